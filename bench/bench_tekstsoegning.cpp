// Text search for a fixed string in 500 text files of 100 KiB each (about 50 MB), as the
// text search window searches a folder, against `grep -rlF` on the same folder,
// alternating; prints the medians and the ratio (ours / grep; the goal is at most 1.5).
// Case-sensitive, as grep -F is; the case-insensitive search is compared with grep -rliF.
// The string lies in one file in fifty. Usage: bench_tekstsoegning [folder [rounds]].
#include "benchtools.h"

#include "engine/tekstsoegning.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kFiles = 500;
constexpr qsizetype kFileSize = 100 * 1024;
const QString kNeedle = QStringLiteral("kildekode-42");

int makeFiles(const QString& folder) {
    static const char* const words[] = {"mappe", "fil",  "sti",  "drev",  "søgning",  "tekst",
                                        "linje", "ravn", "kode", "notat", "kalender", "liste"};
    QRandomGenerator random(42);
    int holding = 0;
    for (int i = 0; i < kFiles; ++i) {
        QByteArray text;
        text.reserve(kFileSize + 100);
        while (text.size() < kFileSize) {
            for (int w = 0; w < 9; ++w) {
                text += words[random.bounded(12)];
                text += ' ';
            }
            text += "\r\n";
        }
        if (i % 50 == 3) {
            text.insert(kFileSize / 2, kNeedle.toUtf8() + ' ');
            ++holding;
        }
        QFile file(QStringLiteral("%1/dokument %2.txt").arg(folder).arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return -1;
    }
    return holding;
}

double timeGrep(const QString& folder, const QString& flags) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral("grep"), {flags, kNeedle, folder});
    p.waitForFinished(-1);
    return t.nsecsElapsed() / 1e9;
}

// The files of the folder as the search window lists them, then each one searched.
double timeOurs(const QString& folder, bool caseSensitive, int expected) {
    QElapsedTimer t;
    t.start();
    QList<FileInfo> entries;
    if (!Platform::files().list(folder, entries, ListDetail::Names, ListOrder::ByName))
        qFatal("cannot list %s", qPrintable(folder));
    const TekstSoegning soegning(kNeedle, false, caseSensitive);
    QList<TekstFund> fund;
    for (const FileInfo& e : std::as_const(entries))
        soegning.soegFil(LogicalPath::join(folder, e.name), fund);
    const double seconds = t.nsecsElapsed() / 1e9;
    return fund.size() == expected ? seconds : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString base = args.size() > 1 ? args.at(1) : QDir::tempPath();
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 5;
    QTemporaryDir data(base + QStringLiteral("/tekst-XXXXXX"));
    const QString folder = data.path() + QStringLiteral("/dokumenter");
    QDir().mkpath(folder);
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    Platform::reset();
    std::printf("making %d files of %lld KiB in %s ...\n", kFiles, qlonglong(kFileSize / 1024),
                qPrintable(folder));
    const int expected = makeFiles(folder);
    if (expected < 0)
        return 1;

    for (const bool caseSensitive : {true, false}) {
        const QString flags = caseSensitive ? QStringLiteral("-rlF") : QStringLiteral("-rliF");
        QList<double> ours, grep;
        for (int round = 0; round < rounds; ++round) {
            grep.append(timeGrep(folder, flags));
            const double o = timeOurs(QStringLiteral("C:\\dokumenter"), caseSensitive, expected);
            if (o < 0) {
                std::printf("the search did not find the %d hits\n", expected);
                return 1;
            }
            ours.append(o);
        }
        const double g = median(grep), o = median(ours);
        std::printf("text search (%s), %d files, %d hits: grep %s %.3f s, ours %.3f s, "
                    "ratio %.2f%s\n",
                    caseSensitive ? "case-sensitive" : "ignoring case", kFiles, expected,
                    qPrintable(flags), g, o, o / g, caseSensitive ? " (goal <= 1.5)" : "");
    }
    return 0;
}
