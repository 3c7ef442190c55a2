// Times the engine's paste and delete against the standard tools on the same data in the
// same run, in turn, each round on fresh targets, and checks what both sides left:
//   paste of a tree of 10,000 small files against cp -r (goal: at most 1.3 times cp; both
//   copies compared with the source by diff -r),
//   paste of one 1 GiB file against cp (goal: at least 0.95 of cp's throughput; cmp),
//   permanent delete of 10,000 files against rm -rf (goal: at most 1.3 times rm),
//   delete of 1,000 files to the trash against gio trash (goal: at most 1.2 times gio; the
//   trash must then hold 1,000 files and 1,000 descriptions).
// Usage: bench_operations [folder [rounds [tree|big|delete|trash]]] (default: /tmp, 7
// rounds, all four: a median of a few swings with the machine's noise). HOME and
// XDG_DATA_HOME point into the test folder, so no real trash is touched.

#include "benchfolder.h"
#include "benchtools.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;
constexpr int kTrashFiles = 1000;
constexpr qint64 kBigFile = qint64(1) << 30;

// The engine's owner, asking nothing and counting the progress window's updates.
class BenchHost : public QuietHost, public OperationWindows {
public:
    bool AskInsert() const override { return false; }
    bool AskMove() const override { return false; }
    bool AskDelete() const override { return false; }
    bool sletTilPapirkurv() const override { return true; }
    bool bekraeft(const Bekraeftelse&) override { return true; }
    bool spoerg(const QStringList&) override { return true; }
    int filerEksisterer(const QStringList&) override { return 1; }
    void visProgress(const ProgressVisning&) override { ++updates; }
    void lukProgress() override {}
    bool annulleret() const override { return false; }

    qint64 updates = 0;
};

// The engine with its two trees: the one place that makes and inspects them.
struct Engine {
    Engine() : funk(nullptr, host) {
        funk.setStruktur1(&dirbox);
        funk.setStruktur2(&filbox);
        funk.setMedtagPrivat(false);
        funk.setOperationWindows(&host);
        filbox.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    void selectAllInPane() { filbox.selectAll(); }

    BenchHost host;
    StrukturVisning dirbox;
    StrukturVisning filbox;
    THandlinger funk;
};

QString hostRoot;

QString onHost(const QString& name) {
    return hostRoot + QLatin1Char('/') + name;
}

bool writeRandom(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    std::vector<quint64> block(std::min<qint64>(size, 8 << 20) / sizeof(quint64) + 1);
    for (qint64 written = 0; written < size;) {
        QRandomGenerator::global()->fillRange(block.data(), qsizetype(block.size()));
        const qint64 n = std::min<qint64>(qint64(block.size() * sizeof(quint64)), size - written);
        if (file.write(reinterpret_cast<const char*>(block.data()), n) != n)
            return false;
        written += n;
    }
    return true;
}

bool makeTree(const QString& path) {
    for (int f = 0; f < kFolders; ++f) {
        const QString folder = path + QStringLiteral("/mappe%1").arg(f);
        if (!QDir().mkpath(folder))
            return false;
        for (int i = 0; i < kFilesPerFolder; ++i)
            if (!writeRandom(folder + QStringLiteral("/fil%1.txt").arg(i),
                             1024 + QRandomGenerator::global()->bounded(3072)))
                return false;
    }
    return true;
}

bool tool(const QStringList& arguments) {
    return Bench::run(arguments).ok();
}

void remove(const QString& hostPath) {
    tool({QStringLiteral("/bin/rm"), QStringLiteral("-rf"), hostPath});
}

// Times `work` after the pending writeback is flushed, so neither side pays for the other's
// dirty pages; -1 when the work or the check of its result fails.
double timedAndChecked(const std::function<bool()>& work, const std::function<bool()>& check) {
    ::sync();
    const double seconds = Bench::timed(work);
    if (seconds >= 0 && !check()) {
        std::fprintf(stderr, "the result differs from what was asked\n");
        return -1;
    }
    return seconds;
}

bool same(const QString& a, const QString& b, bool tree) {
    return tool(tree ? QStringList{QStringLiteral("diff"), QStringLiteral("-r"), a, b}
                     : QStringList{QStringLiteral("cmp"), QStringLiteral("-s"), a, b});
}

int entriesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size();
}

// Pastes the logical path into the destination folder with the engine.
bool paste(Engine& e, const QString& element, const QString& destination) {
    if (!Platform::files().makeFolder(destination))
        return false;
    e.funk.InitRegister();
    e.funk.RegisterElements(element);
    e.funk.setAktiveStruktur(2);
    e.funk.makeStruktur2(destination, false);
    return e.funk.PasteElementer(false, 0) == 1;
}

bool pasteTree(Engine& e, int rounds) {
    // Every side pastes into a new folder of its own, so that no side writes where the
    // other deleted: that costs ext4 much more.
    int pasteNo = 0;
    const QString tree = onHost(QStringLiteral("tree"));
    const auto cp = [&] {
        const QString target = onHost(QStringLiteral("cp%1").arg(++pasteNo));
        QDir().mkpath(target);
        return timedAndChecked(
            [&] {
                return tool({QStringLiteral("/bin/cp"), QStringLiteral("-r"), tree,
                             target + QStringLiteral("/tree")});
            },
            [&] { return same(tree, target + QStringLiteral("/tree"), true); });
    };
    const auto ours = [&] {
        const QString target = QStringLiteral("dest%1").arg(++pasteNo);
        return timedAndChecked(
            [&] { return paste(e, QStringLiteral("C:\\tree"), QStringLiteral("C:\\") + target); },
            [&] { return same(tree, onHost(target + QStringLiteral("/tree")), true); });
    };
    QElapsedTimer total;
    total.start();
    const auto m = Bench::alternate("paste 10,000 files", rounds, cp, ours);
    if (!m)
        return false;
    std::printf("the progress window was updated %.1f times a second\n",
                double(e.host.updates) / (total.nsecsElapsed() / 1e9));
    Bench::reportTimes(QStringLiteral("paste 10000 small files vs cp -r"), *m, Bench::Goal::AtMost,
                       1.3);
    return true;
}

bool pasteBig(Engine& e, int rounds) {
    const QString source = onHost(QStringLiteral("big.bin"));
    const QString cpTarget = onHost(QStringLiteral("cp/big.bin"));
    const QString ourTarget = onHost(QStringLiteral("dest/big.bin"));
    QDir().mkpath(onHost(QStringLiteral("cp")));
    // Each copy is removed after its check: a copy runs slower while an earlier 1 GiB copy
    // still exists, whichever program made it.
    const auto cp = [&] {
        const double s = timedAndChecked(
            [&] {
                return tool({QStringLiteral("/bin/cp"), source, cpTarget});
            },
            [&] { return same(source, cpTarget, false); });
        QFile::remove(cpTarget);
        return s;
    };
    const auto ours = [&] {
        const double s = timedAndChecked(
            [&] { return paste(e, QStringLiteral("C:\\big.bin"), QStringLiteral("C:\\dest")); },
            [&] { return same(source, ourTarget, false); });
        QFile::remove(ourTarget);
        return s;
    };
    const auto m = Bench::alternate("paste 1 GiB", rounds, cp, ours);
    if (!m)
        return false;
    Bench::reportThroughput(QStringLiteral("paste 1 GiB, throughput vs cp"), *m, 0.95);
    return true;
}

bool deleteTree(Engine& e, int rounds) {
    const auto copyTree = [](const QString& name) {
        remove(onHost(name));
        return tool({QStringLiteral("/bin/cp"), QStringLiteral("-r"),
                     onHost(QStringLiteral("tree")), onHost(name)});
    };
    const auto gone = [](const QString& name) { return !QFileInfo::exists(onHost(name)); };
    const auto rm = [&] {
        if (!copyTree(QStringLiteral("rm-tree")))
            return -1.0;
        return timedAndChecked(
            [] {
                return tool({QStringLiteral("/bin/rm"), QStringLiteral("-rf"),
                             onHost(QStringLiteral("rm-tree"))});
            },
            [&] { return gone(QStringLiteral("rm-tree")); });
    };
    const auto ours = [&] {
        if (!copyTree(QStringLiteral("del-tree")))
            return -1.0;
        return timedAndChecked(
            [&] {
                e.funk.makeStruktur1();
                e.funk.udfoldStruktur1(QStringLiteral("C:\\del-tree"), true);
                e.funk.setAktiveStruktur(1);
                return e.funk.DeleteElementer(false) == 1;
            },
            [&] { return gone(QStringLiteral("del-tree")); });
    };
    const auto m = Bench::alternate("delete 10,000 files", rounds, rm, ours);
    if (!m)
        return false;
    Bench::reportTimes(QStringLiteral("permanent delete of 10000 files vs rm -rf"), *m,
                       Bench::Goal::AtMost, 1.3);
    return true;
}

bool trashFiles(Engine& e, int rounds, const QString& trash) {
    const QString gioSource = onHost(QStringLiteral("gio"));
    const QString ourSource = onHost(QStringLiteral("papirkurv"));
    // An empty trash and a new folder of files before each side.
    const auto fill = [&](const QString& folder) {
        remove(trash);
        remove(folder);
        QDir().mkpath(folder);
        for (int i = 0; i < kTrashFiles; ++i)
            if (!writeRandom(folder + QStringLiteral("/fil%1.txt").arg(i), 2048))
                return false;
        return true;
    };
    const auto trashed = [&](const QString& folder) {
        return entriesIn(folder) == 0 &&
               entriesIn(trash + QStringLiteral("/files")) == kTrashFiles &&
               entriesIn(trash + QStringLiteral("/info")) == kTrashFiles;
    };
    const auto gio = [&] {
        if (!fill(gioSource))
            return -1.0;
        QStringList arguments = {QStringLiteral("gio"), QStringLiteral("trash")};
        for (int i = 0; i < kTrashFiles; ++i)
            arguments.append(gioSource + QStringLiteral("/fil%1.txt").arg(i));
        return timedAndChecked([&] { return tool(arguments); }, [&] { return trashed(gioSource); });
    };
    const auto ours = [&] {
        if (!fill(ourSource))
            return -1.0;
        return timedAndChecked(
            [&] {
                e.funk.setAktiveStruktur(2);
                e.funk.makeStruktur2(QStringLiteral("C:\\papirkurv"), false);
                e.selectAllInPane();
                return e.funk.DeleteElementer(true) == kTrashFiles;
            },
            [&] { return trashed(ourSource); });
    };
    const auto m = Bench::alternate("trash 1,000 files", rounds, gio, ours);
    remove(trash);
    if (!m)
        return false;
    Bench::reportTimes(QStringLiteral("1000 files to the trash vs gio trash"), *m,
                       Bench::Goal::AtMost, 1.2);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const auto wanted = [&only](const char* name) {
        return only.isEmpty() || only == QLatin1String(name);
    };
    const BenchFolder dir(QStringLiteral("operations"), parent);
    if (!dir.isValid())
        return 1;
    hostRoot = dir.path();
    const QString home = onHost(QStringLiteral("home"));
    QDir().mkpath(home + QStringLiteral("/.local/share"));
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("RAVNSTI_DRIVES", (QStringLiteral("C=") + hostRoot).toLocal8Bit());
    Platform::reset();
    QDir().mkpath(onHost(QStringLiteral("dest")));

    std::printf("making the test data in %s ...\n", qPrintable(hostRoot));
    std::fflush(stdout);
    if (!makeTree(onHost(QStringLiteral("tree"))) ||
        (wanted("big") && !writeRandom(onHost(QStringLiteral("big.bin")), kBigFile))) {
        std::fprintf(stderr, "cannot write the test data\n");
        return 1;
    }

    Engine e;
    if (wanted("tree") && !pasteTree(e, rounds))
        return 1;
    if (wanted("big") && !pasteBig(e, rounds))
        return 1;
    if (wanted("delete") && !deleteTree(e, rounds))
        return 1;
    if (wanted("trash") && !trashFiles(e, rounds, home + QStringLiteral("/.local/share/Trash")))
        return 1;
    return 0;
}
