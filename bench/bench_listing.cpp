// Lists a folder of 100,000 entries into the file pane and compares the time with
// `find DIR -maxdepth 1` on the same folder, and the memory with a bare StrukturVisning holding
// the same items. Usage: bench_listing [folder-for-test-data]
#include "benchtools.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/platform.h"
#include "shared/imagelists.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kEntries = 100000;
constexpr int kRounds = 5;

// Heap bytes in use, in KiB: unlike the resident size it does not hide memory that the
// tree takes from blocks freed earlier in the process.
long heapKiB() {
    const struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}

void makeEntries(const QString& folder) {
    static const char* const extensions[] = {".txt", ".jpg", ".html", ".mp3", ".pdf", ""};
    for (int i = 0; i < kEntries; ++i) {
        const QByteArray name = QFile::encodeName(
            folder + QStringLiteral("/fil %1%2").arg(i).arg(QLatin1String(extensions[i % 6])));
        if (i % 50 == 0)
            ::mkdir(name.constData(), 0755);
        else
            ::close(::open(name.constData(), O_CREAT | O_WRONLY, 0644));
    }
}

// Memory of one tree in a process of its own, so that neither tree inherits freed memory.
int memoryChild(const QString& kind, const QString& folder) {
    QList<QTreeWidgetItem*> bare;
    QTreeWidget bareTree;
    StrukturVisning tree;
    tree.setImages(ImageLists::filliste());
    QuietHost host;
    THandlinger funk(nullptr, host);
    funk.setStruktur2(&tree);
    const QList<QIcon> icons = ImageLists::filliste();
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const long before = heapKiB();
    if (kind == QLatin1String("engine")) {
        funk.makeStruktur2(*Platform::logicalPath(folder), false);
    } else {
        bare.reserve(names.size());
        for (const QString& name : names) {
            // A copy of its own, as every node of the file pane holds.
            auto* item = new QTreeWidgetItem(QStringList(QString(name.constData(), name.size())));
            item->setIcon(0, icons.at(2));
            bare.append(item);
        }
        bareTree.addTopLevelItems(bare);
    }
    std::printf("%ld\n", heapKiB() - before);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--memory"))
        return memoryChild(args.at(2), args.at(3));

    QTemporaryDir data(args.size() > 1 ? args.at(1) + QStringLiteral("/listing-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/listing-XXXXXX"));
    const QString folder = data.path() + QStringLiteral("/mappe");
    QDir().mkpath(folder);
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    Platform::reset();
    std::printf("making %d entries in %s ...\n", kEntries, qPrintable(folder));
    makeEntries(folder);

    QuietHost host;
    StrukturVisning tree;
    tree.setImages(ImageLists::filliste());
    THandlinger funk(nullptr, host);
    funk.setStruktur2(&tree);
    QList<double> ours, find;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("find"), {folder, QStringLiteral("-maxdepth"), QStringLiteral("1")});
        p.waitForFinished(-1);
        find.append(t.nsecsElapsed() / 1e9);

        t.restart();
        funk.makeStruktur2(QStringLiteral("C:\\mappe"), false);
        ours.append(t.nsecsElapsed() / 1e9);
        if (tree.topLevelItemCount() != kEntries) {
            std::printf("the file pane holds %d entries, not %d\n", tree.topLevelItemCount(),
                        kEntries);
            return 1;
        }
    }
    const double f = median(find), o = median(ours);
    std::printf("list %d entries: find %.3f s, makeStruktur2 %.3f s, ratio %.2f (goal <= 3)\n",
                kEntries, f, o, o / f);

    long kib[2] = {0, 0};
    const char* kinds[2] = {"engine", "bare"};
    for (int i = 0; i < 2; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--memory"), QLatin1String(kinds[i]), folder});
        child.waitForFinished(-1);
        kib[i] = child.readAllStandardOutput().trimmed().toLong();
    }
    std::printf("heap for %d entries: file pane %ld KiB, bare QTreeWidget %ld KiB, "
                "ratio %.2f (goal <= 1.5)\n",
                kEntries, kib[0], kib[1], kib[1] ? double(kib[0]) / double(kib[1]) : 0.0);
    return 0;
}
