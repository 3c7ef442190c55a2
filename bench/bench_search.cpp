// Name search over a tree of 100,000 files (1,100 folders) into the file pane, against
// `find DIR -iname '*x*'` on the same tree, alternating, and prints the medians and the
// ratio (ours / find; the goal is at most 1.5). One name in a hundred holds an "x".
// Usage: bench_search [folder-for-test-data [rounds]] (default: /tmp, 5 rounds).
#include "benchtools.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTop = 100;
constexpr int kSub = 10;
constexpr int kFiles = 100;

int makeTree(const QString& root) {
    int named = 0;
    for (int t = 0; t < kTop; ++t) {
        for (int s = 0; s < kSub; ++s) {
            const QString folder = QStringLiteral("%1/mappe %2/under %3").arg(root).arg(t).arg(s);
            QDir().mkpath(folder);
            for (int f = 0; f < kFiles; ++f) {
                const int n = (t * kSub + s) * kFiles + f;
                const bool hit = n % 100 == 7;
                named += hit;
                const QString name = QStringLiteral("%1/%2notat %3.dat")
                                         .arg(folder, hit ? QStringLiteral("X") : QString())
                                         .arg(n);
                ::close(::open(QFile::encodeName(name).constData(), O_CREAT | O_WRONLY, 0644));
            }
        }
    }
    return named;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString base = args.size() > 1 ? args.at(1) : QDir::tempPath();
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 5;
    QTemporaryDir data(base + QStringLiteral("/search-XXXXXX"));
    const QString root = data.path() + QStringLiteral("/træ");
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    Platform::reset();
    std::printf("making %d files in %s ...\n", kTop * kSub * kFiles, qPrintable(root));
    const int expected = makeTree(root);

    QuietHost host;
    StrukturVisning filbox;
    THandlinger funk(nullptr, host);
    funk.setStruktur2(&filbox);
    QList<double> ours, find;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("find"), {root, QStringLiteral("-iname"), QStringLiteral("*x*")});
        p.waitForFinished(-1);
        find.append(t.nsecsElapsed() / 1e9);

        t.restart();
        funk.setFindCount(0);
        funk.getDirFileList(QStringLiteral("C:\\træ"), QStringLiteral("x"),
                            TSearchHandlinger::Begge, false, true);
        ours.append(t.nsecsElapsed() / 1e9);
        if (funk.FindCount() != expected) {
            std::printf("the search found %d files, not %d\n", funk.FindCount(), expected);
            return 1;
        }
    }
    const double f = median(find), o = median(ours);
    std::printf("name search, %d files, %d hits: find %.3f s, getDirFileList %.3f s, "
                "ratio %.2f (goal <= 1.5)\n",
                kTop * kSub * kFiles, expected, f, o, o / f);
    return 0;
}
