// Copies a 1 GiB file with /bin/cp and with Platform::files().copyFile() in the same run, in
// turn, checks each copy against its source with cmp, and prints the throughput ratio
// (ours / cp; the goal is at least 0.95). Usage: bench_copy [folder [rounds]] (default:
// /tmp, 9 rounds). Pending writeback is flushed (sync) before each timed copy so neither
// pays for the other's dirty pages; both read the source from the page cache (or RAM).

#include "benchfolder.h"
#include "benchtools.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <unistd.h>

namespace {

constexpr qint64 kSize = qint64(1) << 30;
constexpr int kDefaultRounds = 9;

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

// The copy is compared with its source and removed: a copy runs much slower while the
// previous 1 GiB copy still exists, whichever program made it.
double checked(double seconds, const QString& source, const QString& target) {
    const bool same =
        seconds >= 0 &&
        Bench::run({QStringLiteral("cmp"), QStringLiteral("-s"), source, target}).ok();
    QFile::remove(target);
    if (seconds >= 0 && !same)
        std::fprintf(stderr, "the copy %s differs from its source\n", qPrintable(target));
    return same ? seconds : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRounds;
    const BenchFolder dir(QStringLiteral("copy"), parent);
    if (!dir.isValid())
        return 1;
    qputenv("RAVNSTI_DRIVES", (QStringLiteral("C=") + dir.path()).toLocal8Bit());
    Platform::reset();

    const QString source = dir.filePath(QStringLiteral("kilde.bin"));
    const QString cpTarget = dir.filePath(QStringLiteral("cp.bin"));
    const QString ourTarget = dir.filePath(QStringLiteral("ravnsti.bin"));
    std::printf("making a 1 GiB source file ...\n");
    std::fflush(stdout);
    if (!makeSource(source)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
        return 1;
    }

    const auto cp = [&] {
        ::sync();
        const Bench::Run r = Bench::run({QStringLiteral("/bin/cp"), source, cpTarget});
        return checked(r.ok() ? r.seconds : -1, source, cpTarget);
    };
    const auto ours = [&] {
        ::sync();
        qint64 calls = 0;
        const double seconds = Bench::timed([&] {
            const FileResult r = Platform::files().copyFile(
                QStringLiteral("C:\\kilde.bin"), QStringLiteral("C:\\ravnsti.bin"),
                ReplaceMode::Refuse, [&calls](qint64, qint64) {
                    ++calls;
                    return true;
                });
            if (!r)
                std::fprintf(stderr, "copyFile: %s\n", qPrintable(r.detail()));
            return bool(r) && calls >= 2;
        });
        return checked(seconds, source, ourTarget);
    };
    const auto m = Bench::alternate("copy 1 GiB", rounds, cp, ours);
    if (!m)
        return 1;
    Bench::reportThroughput(QStringLiteral("copy 1 GiB (copyFile), throughput vs cp"), *m, 0.95);
    return 0;
}
