// Lists folders of 100,000 and of 1,000,000 entries into the file pane and compares the time
// with `find DIR -maxdepth 1` on the same folder (goals: at most 2 times find at 100,000, at
// most 2.5 times at 1,000,000, and a cost per entry that stays the same from the one to the
// other), and the peak resident memory of the pane with 100,000 entries with that of a bare
// QTreeWidget holding the same names (goal: at most as much).
// Usage: bench_listing [folder-for-test-data [rounds]] (default: /tmp, 9 rounds; 7 at 1M).
#include "benchfolder.h"
#include "benchtools.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/platform.h"
#include "shared/imagelists.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QTreeWidget>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file pane under the engine: the one place that makes and inspects its tree.
struct Pane {
    Pane() : funk(nullptr, host) {
        tree.setImages(ImageLists::filliste());
        funk.setStruktur2(&tree);
    }
    int entries() const { return tree.topLevelItemCount(); }
    void show() {
        tree.resize(800, 600);
        tree.show();
        QApplication::processEvents();
    }

    QuietHost host;
    StrukturVisning tree;
    THandlinger funk;
};

bool makeEntries(const QString& folder, int count) {
    static const char* const extensions[] = {".txt", ".jpg", ".html", ".mp3", ".pdf", ""};
    if (::mkdir(QFile::encodeName(folder).constData(), 0755) != 0)
        return false;
    for (int i = 0; i < count; ++i) {
        const QByteArray name = QFile::encodeName(
            folder + QStringLiteral("/fil %1%2").arg(i).arg(QLatin1String(extensions[i % 6])));
        if (i % 50 == 0 ? ::mkdir(name.constData(), 0755) != 0
                        : ::close(::open(name.constData(), O_CREAT | O_WRONLY, 0644)) != 0)
            return false;
    }
    return true;
}

// One tree in a process of its own, whose peak resident memory the parent takes: "engine"
// lists the folder into the file pane, "bare" puts the same names with one icon into a bare
// QTreeWidget, read one by one so that no list of names adds to its peak.
int memoryChild(const QString& kind, const QString& folder) {
    Pane pane;
    if (kind == QLatin1String("engine")) {
        pane.funk.makeStruktur2(*Platform::logicalPath(folder), false);
        pane.show();
        return pane.entries() > 0 ? 0 : 1;
    }
    QTreeWidget bare;
    const QIcon icon = ImageLists::filliste().at(2);
    QDirIterator names(folder, QDir::AllEntries | QDir::NoDotAndDotDot);
    while (names.hasNext()) {
        auto* item = new QTreeWidgetItem(&bare, QStringList(names.next().section('/', -1)));
        item->setIcon(0, icon);
    }
    bare.resize(800, 600);
    bare.show();
    QApplication::processEvents();
    return bare.topLevelItemCount() > 0 ? 0 : 1;
}

// Times the listing of `count` entries; returns our median, or -1.
double compareListing(const BenchFolder& data, Pane& pane, int count, int rounds, double goal) {
    const QString name = QStringLiteral("mappe%1").arg(count);
    const QString folder = data.filePath(name);
    std::printf("making %d entries in %s ...\n", count, qPrintable(folder));
    std::fflush(stdout);
    if (!makeEntries(folder, count))
        return -1;
    const QString findOutput = data.filePath(QStringLiteral("find.txt"));
    const auto find = [&] {
        const Bench::Run r = Bench::run(
            {QStringLiteral("find"), folder, QStringLiteral("-maxdepth"), QStringLiteral("1")},
            findOutput);
        // find names the folder itself too
        return r.ok() && Bench::countLines(findOutput) == count + 1 ? r.seconds : -1;
    };
    const auto ours = [&] {
        // The pane is emptied untimed, so every round fills an empty pane.
        pane.funk.makeStruktur2(QStringLiteral("C:\\tom"), false);
        const double seconds = Bench::timed(
            [&] { return (pane.funk.makeStruktur2(QStringLiteral("C:\\") + name, false), true); });
        if (pane.entries() != count) {
            std::fprintf(stderr, "the file pane holds %d entries, not %d\n", pane.entries(), count);
            return -1.0;
        }
        return seconds;
    };
    const auto m =
        Bench::alternate(qPrintable(QStringLiteral("list %1").arg(count)), rounds, find, ours);
    pane.funk.makeStruktur2(QStringLiteral("C:\\tom"), false);
    if (!m)
        return -1;
    Bench::reportTimes(QStringLiteral("list %1 entries vs find -maxdepth 1").arg(count), *m,
                       Bench::Goal::AtMost, goal);
    return m->ours;
}

} // namespace

int main(int argc, char** argv) {
    // The program's own memory policy, which its file pane lists under.
    Platform::reuseFreedMemory();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--memory"))
        return memoryChild(args.at(2), args.at(3));
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 9;

    const BenchFolder data(QStringLiteral("listing"), args.size() > 1 ? args.at(1) : QString());
    if (!data.isValid())
        return 1;
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    Platform::reset();
    ::mkdir(QFile::encodeName(data.filePath(QStringLiteral("tom"))).constData(), 0755);

    Pane pane;
    const double small = compareListing(data, pane, 100000, rounds, 2.0);
    if (small < 0)
        return 1;

    long kib[2] = {0, 0};
    const char* kinds[2] = {"engine", "bare"};
    for (int i = 0; i < 2; ++i) {
        const Bench::Run child =
            Bench::run({QCoreApplication::applicationFilePath(), QStringLiteral("--memory"),
                        QLatin1String(kinds[i]), data.filePath(QStringLiteral("mappe100000"))});
        if (!child.ok()) {
            std::fprintf(stderr, "the %s memory child failed\n", kinds[i]);
            return 1;
        }
        kib[i] = child.peakKiB;
    }
    Bench::report(QStringLiteral("peak RSS, pane of 100000 vs bare QTreeWidget"),
                  Bench::mebibytesText(kib[0]), Bench::mebibytesText(kib[1]),
                  double(kib[0]) / double(kib[1]), Bench::Goal::AtMost, 1.0);

    const double large = compareListing(data, pane, 1000000, qMax(1, rounds - 2), 2.5);
    if (large < 0)
        return 1;
    const double perSmall = small / 100000 * 1e6, perLarge = large / 1000000 * 1e6;
    Bench::report(QStringLiteral("listing cost per entry, 1M / 100k"),
                  QStringLiteral("%1 us (1M)").arg(perLarge, 0, 'f', 2),
                  QStringLiteral("%1 us (100k)").arg(perSmall, 0, 'f', 2), perLarge / perSmall,
                  Bench::Goal::AtMost, 1.25);
    return 0;
}
