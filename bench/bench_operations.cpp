// Times the engine's paste and delete against the standard tools on the same data in the
// same run, alternating which goes first, and prints the medians and their ratios:
//   paste of a tree of 10,000 small files against cp -r (goal: at most 1.5 times cp),
//   paste of one 1 GiB file against cp (goal: at least 0.9 of cp's throughput),
//   permanent delete of 10,000 files against rm -rf (goal: at most 1.5 times rm),
//   delete of 1,000 files to the trash against gio trash (goal: at most 1.5 times gio).
// Usage: bench_operations [folder [rounds [tree|big|delete|trash]]] (default: a temporary
// folder under /tmp, 3 rounds, all four). HOME and XDG_DATA_HOME point into that folder, so
// no real trash is touched.

#include "benchtools.h"

#include "engine/handlinger.h"

#include "engine/strukturvisning.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

struct Bench {
    Bench() : funk(nullptr, host) {
        funk.setStruktur1(&dirbox);
        funk.setStruktur2(&filbox);
        funk.setMedtagPrivat(false);
        funk.setOperationWindows(&host);
        filbox.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
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

bool run(const QString& program, const QStringList& arguments) {
    return QProcess::execute(program, arguments) == 0;
}

void remove(const QString& hostPath) {
    run(QStringLiteral("/bin/rm"), {QStringLiteral("-rf"), hostPath});
}

double timed(const std::function<bool()>& work) {
    ::sync();
    QElapsedTimer timer;
    timer.start();
    const bool ok = work();
    const double seconds = timer.nsecsElapsed() / 1e9;
    return ok ? seconds : -1;
}

// Pastes the logical path into the destination folder with the engine.
bool paste(Bench& b, const QString& element, const QString& destination) {
    if (!Platform::files().makeFolder(destination))
        return false;
    b.funk.InitRegister();
    b.funk.RegisterElements(element);
    b.funk.setAktiveStruktur(2);
    b.funk.makeStruktur2(destination, false);
    return b.funk.PasteElementer(false, 0) == 1;
}

// Runs both sides `rounds` times, alternating the order; prepare() runs untimed before each.
bool compare(const char* what, int rounds, const std::function<void()>& prepare,
             const std::function<double()>& tool, const std::function<double()>& ours,
             double& toolTime, double& ourTime) {
    QList<double> toolTimes, ourTimes;
    for (int round = 1; round <= rounds; ++round) {
        double t = 0, o = 0;
        for (int turn = 0; turn < 2; ++turn) {
            prepare();
            if ((turn == 0) == (round % 2 == 1))
                t = tool();
            else
                o = ours();
        }
        if (t < 0 || o < 0) {
            std::fprintf(stderr, "%s: round %d failed (tool %.3f, ravnsti %.3f)\n", what, round, t,
                         o);
            return false;
        }
        std::printf("%s, round %d: tool %.3f s, ravnsti %.3f s\n", what, round, t, o);
        std::fflush(stdout);
        toolTimes.append(t);
        ourTimes.append(o);
    }
    toolTime = median(toolTimes);
    ourTime = median(ourTimes);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const auto wanted = [&only](const char* name) {
        return only.isEmpty() || only == QLatin1String(name);
    };
    QTemporaryDir dir(parent + QStringLiteral("/ravnsti-bench-operations-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder in %s\n", qPrintable(parent));
        return 1;
    }
    hostRoot = dir.path();
    const QString home = onHost(QStringLiteral("home"));
    const QString trash = home + QStringLiteral("/.local/share/Trash");
    QDir().mkpath(home + QStringLiteral("/.local/share"));
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("RAVNSTI_DRIVES", (QStringLiteral("C=") + hostRoot).toLocal8Bit());
    Platform::reset();
    QDir().mkpath(onHost(QStringLiteral("dest")));
    QDir().mkpath(onHost(QStringLiteral("cp")));

    std::printf("making the test data in %s ...\n", qPrintable(hostRoot));
    std::fflush(stdout);
    if (!makeTree(onHost(QStringLiteral("tree"))) ||
        (wanted("big") && !writeRandom(onHost(QStringLiteral("big.bin")), kBigFile))) {
        std::fprintf(stderr, "cannot write the test data\n");
        return 1;
    }

    Bench b;
    double tool = 0, ours = 0;

    if (wanted("tree")) {
        // Every round pastes into folders of its own: creating files right after as many
        // were deleted costs ext4 much more, and would burden whichever side runs second.
        int pasteNo = 0;
        QElapsedTimer total;
        total.start();
        if (!compare(
                "paste 10,000 files", rounds, [&pasteNo] { ++pasteNo; },
                [&pasteNo] {
                    // Into a new folder beside the engine's, so both land alike on the disk.
                    const QString folder = onHost(QStringLiteral("cp%1").arg(pasteNo));
                    QDir().mkpath(folder);
                    return timed([&folder] {
                        return run(QStringLiteral("/bin/cp"),
                                   {QStringLiteral("-r"), onHost(QStringLiteral("tree")),
                                    folder + QStringLiteral("/tree")});
                    });
                },
                [&b, &pasteNo] {
                    return timed([&b, &pasteNo] {
                        return paste(b, QStringLiteral("C:\\tree"),
                                     QStringLiteral("C:\\dest%1").arg(pasteNo));
                    });
                },
                tool, ours))
            return 1;
        std::printf("paste of 10,000 files: %.2f times cp -r (goal <= 1.5); the progress window "
                    "was updated %.0f times a second\n",
                    ours / tool, b.host.updates / (total.nsecsElapsed() / 1e9));
    }

    if (wanted("big")) {
        const auto clearTargets = [] {
            QFile::remove(onHost(QStringLiteral("dest/big.bin")));
            QFile::remove(onHost(QStringLiteral("cp/big.bin")));
        };
        if (!compare(
                "paste 1 GiB", rounds, clearTargets,
                [] {
                    return timed([] {
                        return run(QStringLiteral("/bin/cp"),
                                   {onHost(QStringLiteral("big.bin")),
                                    onHost(QStringLiteral("cp/big.bin"))});
                    });
                },
                [&b] {
                    return timed([&b] {
                        return paste(b, QStringLiteral("C:\\big.bin"), QStringLiteral("C:\\dest"));
                    });
                },
                tool, ours))
            return 1;
        clearTargets();
        std::printf("paste of 1 GiB: %.2f of cp's throughput (goal >= 0.9)\n", tool / ours);
    }

    if (wanted("delete")) {
        const auto copies = [](const QString& name) {
            remove(onHost(name));
            run(QStringLiteral("/bin/cp"),
                {QStringLiteral("-r"), onHost(QStringLiteral("tree")), onHost(name)});
        };
        if (!compare(
                "delete 10,000 files", rounds,
                [&copies] {
                    copies(QStringLiteral("rm-tree"));
                    copies(QStringLiteral("del-tree"));
                },
                [] {
                    return timed([] {
                        return run(QStringLiteral("/bin/rm"),
                                   {QStringLiteral("-rf"), onHost(QStringLiteral("rm-tree"))});
                    });
                },
                [&b] {
                    return timed([&b] {
                        b.funk.makeStruktur1();
                        b.funk.udfoldStruktur1(QStringLiteral("C:\\del-tree"), true);
                        b.funk.setAktiveStruktur(1);
                        return b.funk.DeleteElementer(false) == 1;
                    });
                },
                tool, ours))
            return 1;
        std::printf("permanent delete of 10,000 files: %.2f times rm -rf (goal <= 1.5)\n",
                    ours / tool);
    }

    if (wanted("trash")) {
        const QString gioSource = onHost(QStringLiteral("gio"));
        const QString ourSource = onHost(QStringLiteral("papirkurv"));
        const auto fill = [&] {
            remove(trash);
            for (const QString& folder : {gioSource, ourSource}) {
                remove(folder);
                QDir().mkpath(folder);
                for (int i = 0; i < kTrashFiles; ++i)
                    writeRandom(folder + QStringLiteral("/fil%1.txt").arg(i), 2048);
            }
        };
        if (!compare(
                "trash 1,000 files", rounds, fill,
                [&gioSource] {
                    QStringList arguments = {QStringLiteral("trash")};
                    for (int i = 0; i < kTrashFiles; ++i)
                        arguments.append(gioSource + QStringLiteral("/fil%1.txt").arg(i));
                    return timed([&arguments] { return run(QStringLiteral("gio"), arguments); });
                },
                [&b] {
                    return timed([&b] {
                        b.funk.setAktiveStruktur(2);
                        b.funk.makeStruktur2(QStringLiteral("C:\\papirkurv"), false);
                        b.filbox.selectAll();
                        return b.funk.DeleteElementer(true) == kTrashFiles;
                    });
                },
                tool, ours))
            return 1;
        remove(trash);
        std::printf("trash of 1,000 files: %.2f times gio trash (goal <= 1.5)\n", ours / tool);
    }
    return 0;
}
