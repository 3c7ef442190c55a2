#pragma once

#include "engine/enginehost.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// An engine host that shows nothing and keeps nothing.
class QuietHost : public EngineHost {
public:
    int lastStrukturNo() const override { return 0; }
    void setLastStrukturNo(int) override {}
    void makeSpecialStruktur() override {}
    bool visBillede() const override { return false; }
    void historyChanged(bool, bool, bool) override {}
    void showPicture(const QImage&, const QString&) override {}
};

// What every benchmark shares: running the standard tools, timing both sides in turn, and
// the result lines that scripts/bench.sh gathers into its table.
namespace Bench {

struct Run {
    int exitCode = -1;  // -1 when the program could not be started or was killed
    double seconds = 0; // from the start to its end, or to its first line (runToFirstLine)
    long peakKiB = 0;   // its peak resident memory (VmHWM), from wait4
    QByteArray output;  // its standard output, when captured
    bool ok() const { return exitCode == 0; }
};

// Runs a program (searched in PATH) to its end. Its standard output goes to `outputFile`
// when one is named, is captured when `capture`, else is thrown away (never give a tool
// /dev/null to time: grep stops at the first hit when its output is /dev/null).
Run run(const QStringList& arguments, const QString& outputFile = QString(), bool capture = false);
// Runs a program and times it to the end of the first line it prints; then waits for its end.
Run runToFirstLine(const QStringList& arguments);

qint64 countLines(const QString& file);
double median(QList<double> values);
// The seconds `work` takes, or -1 when it fails.
double timed(const std::function<bool()>& work);

struct Medians {
    double ours = 0;
    double tool = 0;
};
// Times the two sides in turn, `rounds` times, the tool first in odd rounds and last in even
// ones, after one untimed round of both that brings caches, dentries and the allocator to
// the same state for both. Each side prepares fresh targets, times its work, verifies its
// output and returns its seconds, or -1 when anything failed.
std::optional<Medians> alternate(const char* what, int rounds, const std::function<double()>& tool,
                                 const std::function<double()>& ours);

enum class Goal { AtMost, AtLeast, None };
QString secondsText(double seconds);
QString mebibytesText(long kib);
// Prints one row of the table: the work, our figure, the tool's, their ratio and its goal.
// Returns whether the goal is met.
bool report(const QString& work, const QString& ours, const QString& tool, double ratio,
            Goal goal = Goal::None, double limit = 0);
// A row of two times: ours over the tool's, with the goal `goal` `limit`.
bool reportTimes(const QString& work, const Medians& m, Goal goal, double limit);
// A row of throughputs: the tool's time over ours, at least `limit`.
bool reportThroughput(const QString& work, const Medians& m, double limit);

} // namespace Bench
