// Copies a 1 GiB file with /bin/cp and with Platform::files().copyFile() in the same run,
// alternating, and prints the times and the throughput ratio (ours / cp; the goal is at
// least 0.9). Usage: bench_copy [folder [rounds]] (default: a temporary folder under /tmp,
// 3 rounds).
// Caches cannot be dropped without root, so both copies read the source from the page
// cache; pending writeback is flushed (sync) before each timed copy so neither pays for
// the other's dirty pages.

#include "platform/platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <unistd.h>

namespace {

constexpr qint64 kSize = qint64(1) << 30;
constexpr int kDefaultRounds = 3;

bool makeSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    std::vector<quint64> block((8 << 20) / sizeof(quint64));
    quint64 state = 0x9E3779B97F4A7C15ull;
    for (qint64 written = 0; written < kSize;) {
        for (quint64& word : block) { // xorshift64*: not compressible, not all zeros
            state ^= state >> 12;
            state ^= state << 25;
            state ^= state >> 27;
            word = state * 0x2545F4914F6CDD1Dull;
        }
        const qint64 n = std::min<qint64>(qint64(block.size() * sizeof(quint64)), kSize - written);
        if (file.write(reinterpret_cast<const char*>(block.data()), n) != n)
            return false;
        written += n;
    }
    return file.flush();
}

double timeCp(const QString& source, const QString& target) {
    ::sync();
    QElapsedTimer timer;
    timer.start();
    const int code = QProcess::execute(QStringLiteral("/bin/cp"), {source, target});
    const double seconds = timer.nsecsElapsed() / 1e9;
    return code == 0 && QFileInfo(target).size() == kSize ? seconds : -1;
}

double timeRavnsti(const QString& source, const QString& target, const QString& targetHost) {
    ::sync();
    qint64 calls = 0;
    QElapsedTimer timer;
    timer.start();
    const FileResult r =
        Platform::files().copyFile(source, target, ReplaceMode::Refuse, [&calls](qint64, qint64) {
            ++calls;
            return true;
        });
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (!r) {
        std::fprintf(stderr, "copyFile: %s\n", qPrintable(r.detail()));
        return -1;
    }
    return QFileInfo(targetHost).size() == kSize && calls >= 2 ? seconds : -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRounds;
    QTemporaryDir dir(parent + QStringLiteral("/ravnsti-bench-copy-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder in %s\n", qPrintable(parent));
        return 1;
    }
    qputenv("RAVNSTI_DRIVES", (QStringLiteral("C=") + dir.path()).toLocal8Bit());
    Platform::reset();

    const QString source = dir.filePath(QStringLiteral("kilde.bin"));
    const QString cpTarget = dir.filePath(QStringLiteral("cp.bin"));
    const QString ourTarget = dir.filePath(QStringLiteral("ravnsti.bin"));
    std::printf("making a 1 GiB source file in %s ...\n", qPrintable(dir.path()));
    std::fflush(stdout);
    if (!makeSource(source)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
        return 1;
    }

    std::vector<double> cpTimes, ourTimes;
    for (int round = 1; round <= rounds; ++round) {
        double cp = 0, ours = 0;
        // Alternate which one goes first, so neither always meets the warmer machine. Each
        // target is removed before the next copy: on the machines tried, a copy runs much
        // slower while the previous 1 GiB copy still exists, whichever program made it.
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (round % 2 == 1)) {
                cp = timeCp(source, cpTarget);
                QFile::remove(cpTarget);
            } else {
                ours = timeRavnsti(QStringLiteral("C:\\kilde.bin"),
                                   QStringLiteral("C:\\ravnsti.bin"), ourTarget);
                if (round == 1 && ours >= 0 &&
                    QProcess::execute(QStringLiteral("/usr/bin/cmp"),
                                      {QStringLiteral("-s"), source, ourTarget}) != 0) {
                    std::fprintf(stderr, "the copy differs from its source\n");
                    return 1;
                }
                QFile::remove(ourTarget);
            }
        }
        if (cp < 0 || ours < 0) {
            std::fprintf(stderr, "round %d failed (cp %.3f, ravnsti %.3f)\n", round, cp, ours);
            return 1;
        }
        std::printf("round %d: cp %.3f s, ravnsti %.3f s\n", round, cp, ours);
        std::fflush(stdout);
        cpTimes.push_back(cp);
        ourTimes.push_back(ours);
    }
    const double cp = median(cpTimes);
    const double ours = median(ourTimes);
    std::printf("copy 1 GiB: cp %.2f s, ravnsti %.2f s, ratio %.2f (medians of %d rounds)\n", cp,
                ours, cp / ours, rounds);
    return 0; // the temporary folder goes with `dir`
}
