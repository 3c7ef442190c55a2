// Name search over a tree of 100,000 files (1,100 folders) into the file pane, against
// `find DIR -iname '*x*'` on the same tree, alternating; both are checked to find the same
// number of names (one in a hundred holds an "x"). Goal: at most 1.2 times find.
// Usage: bench_search [folder-for-test-data [rounds]] (default: /tmp, 5 rounds).
#include "benchfolder.h"
#include "benchtools.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>

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

// The file pane the search fills: the one place that makes and inspects its tree.
struct Pane {
    Pane() : funk(nullptr, host) { funk.setStruktur2(&tree); }
    QuietHost host;
    StrukturVisning tree;
    THandlinger funk;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 5;
    const BenchFolder data(QStringLiteral("search"), args.size() > 1 ? args.at(1) : QString());
    if (!data.isValid())
        return 1;
    const QString root = data.filePath(QStringLiteral("træ"));
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    Platform::reset();
    std::printf("making %d files in %s ...\n", kTop * kSub * kFiles, qPrintable(root));
    std::fflush(stdout);
    const int expected = makeTree(root);

    Pane pane;
    const QString findOutput = data.filePath(QStringLiteral("find.txt"));
    const auto find = [&] {
        const Bench::Run r = Bench::run(
            {QStringLiteral("find"), root, QStringLiteral("-iname"), QStringLiteral("*x*")},
            findOutput);
        return r.ok() && Bench::countLines(findOutput) == expected ? r.seconds : -1;
    };
    const auto ours = [&] {
        pane.funk.setFindCount(0);
        const double seconds = Bench::timed([&] {
            pane.funk.getDirFileList(QStringLiteral("C:\\træ"), QStringLiteral("x"),
                                     TSearchHandlinger::Begge, false, true);
            return true;
        });
        if (pane.funk.FindCount() != expected) {
            std::fprintf(stderr, "the search found %d names, not %d\n", pane.funk.FindCount(),
                         expected);
            return -1.0;
        }
        return seconds;
    };
    const auto m = Bench::alternate("name search", rounds, find, ours);
    if (!m)
        return 1;
    Bench::reportTimes(
        QStringLiteral("name search, %1 files vs find -iname").arg(kTop * kSub * kFiles), *m,
        Bench::Goal::AtMost, 1.2);
    return 0;
}
