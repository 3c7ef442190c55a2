// Start-up of the program, build/ravnsti, to the first show of its main window, against a
// bare Qt window with two QTreeWidgets (barewindow), in turn; both print a line right after
// their first show (ravnsti through RAVNSTI_BENCH_FIRSTSHOW=1) and the time to that line is
// taken. Needs a display: scripts/bench.sh runs it under Xvfb. Ravnsti starts on a drive and
// data root in a temporary folder, made by an untimed first start. Goal: at most 1.5 times
// the bare window. Usage: bench_startup [rounds] (default 30: a start takes a few
// hundredths of a second, and fewer rounds leave the median to the machine's noise).
#include "benchfolder.h"
#include "benchtools.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int rounds = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 30;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_startup needs a display (DISPLAY), e.g. xvfb-run\n");
        return 1;
    }
    const QString here = QCoreApplication::applicationDirPath();
    const QString ravnsti = QDir::cleanPath(here + QStringLiteral("/../ravnsti"));
    const QString bare = here + QStringLiteral("/barewindow");
    const BenchFolder data(QStringLiteral("startup"));
    if (!data.isValid())
        return 1;
    qunsetenv("QT_QPA_PLATFORM");
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    qputenv("RAVNSTI_ROOT", data.filePath(QStringLiteral("Ravnsti")).toLocal8Bit());
    qputenv("RAVNSTI_BENCH_FIRSTSHOW", "1");

    const auto start = [](const QString& program) {
        const Bench::Run r = Bench::runToFirstLine({program});
        if (!r.ok() || !r.output.startsWith("vist")) {
            std::fprintf(stderr, "%s did not show its window (exit %d): %s\n", qPrintable(program),
                         r.exitCode, r.output.constData());
            return -1.0;
        }
        return r.seconds;
    };
    const auto m = Bench::alternate(
        "start-up", rounds, [&] { return start(bare); }, [&] { return start(ravnsti); });
    if (!m)
        return 1;
    Bench::reportTimes(QStringLiteral("start-up to the first show vs a bare window"), *m,
                       Bench::Goal::AtMost, 1.5);
    return 0;
}
