#include "benchtools.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace Bench {

namespace {

// A started child; its standard output is `pipe` when one was asked for.
struct Child {
    pid_t pid = -1;
    int pipe = -1;
};

Child spawn(const QStringList& arguments, const QString& outputFile, bool pipeOutput) {
    std::vector<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int fds[2] = {-1, -1};
    if (pipeOutput && ::pipe2(fds, O_CLOEXEC) == 0) {
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    } else {
        const QByteArray target =
            outputFile.isEmpty() ? QByteArray("/dev/null") : QFile::encodeName(outputFile);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, target.constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    Child child;
    if (posix_spawnp(&child.pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        child.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (fds[1] >= 0)
        ::close(fds[1]);
    child.pipe = fds[0];
    return child;
}

void finish(const Child& child, Run& result) {
    int status = 0;
    struct rusage usage {};
    if (child.pid < 0 || ::wait4(child.pid, &status, 0, &usage) != child.pid)
        return;
    result.peakKiB = usage.ru_maxrss;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool readMore(int fd, QByteArray& into) {
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0)
        into.append(buffer, n);
    return n > 0;
}

} // namespace

Run run(const QStringList& arguments, const QString& outputFile, bool capture) {
    Run result;
    QElapsedTimer timer;
    timer.start();
    const Child child = spawn(arguments, outputFile, capture);
    if (child.pipe >= 0) {
        while (readMore(child.pipe, result.output)) {
        }
        ::close(child.pipe);
    }
    finish(child, result);
    result.seconds = timer.nsecsElapsed() / 1e9;
    return result;
}

Run runToFirstLine(const QStringList& arguments) {
    Run result;
    QElapsedTimer timer;
    timer.start();
    const Child child = spawn(arguments, QString(), true);
    if (child.pipe < 0)
        return result;
    while (!result.output.contains('\n') && readMore(child.pipe, result.output)) {
    }
    result.seconds = timer.nsecsElapsed() / 1e9;
    while (readMore(child.pipe, result.output)) {
    }
    ::close(child.pipe);
    finish(child, result);
    return result;
}

qint64 countLines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    qint64 lines = 0;
    while (!f.atEnd())
        lines += f.read(1 << 20).count('\n');
    return lines;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype half = values.size() / 2;
    return values.size() % 2 ? values.at(half) : (values.at(half - 1) + values.at(half)) / 2;
}

double timed(const std::function<bool()>& work) {
    QElapsedTimer timer;
    timer.start();
    const bool ok = work();
    const double seconds = timer.nsecsElapsed() / 1e9;
    return ok ? seconds : -1;
}

std::optional<Medians> alternate(const char* what, int rounds, const std::function<double()>& tool,
                                 const std::function<double()>& ours) {
    QList<double> toolTimes, ourTimes;
    for (int round = 0; round <= rounds; ++round) {
        double t = 0, o = 0;
        if (round % 2 == 1) {
            t = tool();
            o = ours();
        } else {
            o = ours();
            t = tool();
        }
        if (t < 0 || o < 0) {
            std::fprintf(stderr, "%s: round %d failed (tool %.3f, ravnsti %.3f)\n", what, round, t,
                         o);
            return std::nullopt;
        }
        if (round == 0)
            continue;
        std::printf("%s, round %d: tool %.3f s, ravnsti %.3f s\n", what, round, t, o);
        std::fflush(stdout);
        toolTimes.append(t);
        ourTimes.append(o);
    }
    return Medians{median(ourTimes), median(toolTimes)};
}

QString secondsText(double seconds) {
    return seconds < 1 ? QStringLiteral("%1 ms").arg(seconds * 1000, 0, 'f', 1)
                       : QStringLiteral("%1 s").arg(seconds, 0, 'f', 3);
}

QString mebibytesText(long kib) {
    return QStringLiteral("%1 MiB").arg(kib / 1024.0, 0, 'f', 1);
}

bool report(const QString& work, const QString& ours, const QString& tool, double ratio, Goal goal,
            double limit) {
    const bool met = goal == Goal::AtMost    ? ratio <= limit
                     : goal == Goal::AtLeast ? ratio >= limit
                                             : true;
    const QString goalText =
        goal == Goal::None
            ? QStringLiteral("-")
            : QStringLiteral("%1 %2").arg(goal == Goal::AtMost ? "<=" : ">=").arg(limit);
    std::printf("RESULT\t%s\t%s\t%s\t%.2f\t%s\t%s\n", qPrintable(work), qPrintable(ours),
                qPrintable(tool), ratio, qPrintable(goalText),
                goal == Goal::None ? "-"
                : met              ? "yes"
                                   : "NO");
    std::fflush(stdout);
    return met;
}

bool reportTimes(const QString& work, const Medians& m, Goal goal, double limit) {
    return report(work, secondsText(m.ours), secondsText(m.tool), m.ours / m.tool, goal, limit);
}

bool reportThroughput(const QString& work, const Medians& m, double limit) {
    return report(work, secondsText(m.ours), secondsText(m.tool), m.tool / m.ours, Goal::AtLeast,
                  limit);
}

} // namespace Bench
