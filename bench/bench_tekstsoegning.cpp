// Text search for a fixed string, as the text search window searches a folder, against
// `grep -rnF` on the same folder, in turn, in four shapes of files: 500 x 100 KiB,
// 51,200 x 1 KiB, 5 x 10 MiB and 5 x 100 MiB (goal: at most 1.2 times grep in each). The
// string starts one line in every MiB of text, and both sides must find as many hits as
// grep prints lines. Case-sensitive, as grep -F is; the first shape is also searched
// ignoring case, against grep -rniF, for information.
// Usage: bench_tekstsoegning [folder [rounds]] (default: /tmp, 9 rounds; 7 for 100 MiB).
#include "benchfolder.h"
#include "benchtools.h"

#include "engine/tekstsoegning.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <vector>

namespace {

const QString kNeedle = QStringLiteral("kildekode-42");
constexpr qsizetype kHitEvery = 1 << 20;

struct Shape {
    int files;
    qsizetype size;
    const char* name;
};

// Lines of random words, to cut the files from, with the offset of each line.
struct Pool {
    Pool() {
        static const char* const words[] = {"mappe", "fil",  "sti",  "drev",  "søgning",  "tekst",
                                            "linje", "ravn", "kode", "notat", "kalender", "liste"};
        QRandomGenerator random(42);
        while (text.size() < (4 << 20)) {
            starts.push_back(text.size());
            const int count = 3 + int(random.bounded(12));
            for (int w = 0; w < count; ++w) {
                text += words[random.bounded(12)];
                text += ' ';
            }
            text += "\r\n";
        }
    }
    // `size` bytes or a little more of whole lines, from a line chosen at random.
    QByteArray cut(qsizetype size, QRandomGenerator& random) const {
        QByteArray out;
        out.reserve(size + 200);
        qsizetype from = starts[random.bounded(int(starts.size()))];
        while (out.size() < size) {
            const qsizetype n = qMin(size - out.size(), text.size() - from);
            const qsizetype end = text.indexOf('\n', from + n - 1);
            const qsizetype until = end < 0 ? text.size() : end + 1;
            out.append(text.constData() + from, until - from);
            from = until == text.size() ? 0 : until;
        }
        return out;
    }
    QByteArray text;
    std::vector<qsizetype> starts;
};

// Writes the files of one shape; returns the number of lines holding the needle, or -1.
int makeFiles(const Pool& pool, const QString& folder, const Shape& shape) {
    if (!QDir().mkpath(folder))
        return -1;
    QRandomGenerator random(7);
    const QByteArray needle = kNeedle.toUtf8() + ' ';
    qsizetype sinceHit = kHitEvery / 2;
    int hits = 0;
    for (int i = 0; i < shape.files; ++i) {
        QByteArray text = pool.cut(shape.size, random);
        // The needle goes at the start of the line after each MiB of text.
        for (qsizetype at = kHitEvery - sinceHit; at < text.size(); at += kHitEvery) {
            const qsizetype line = text.indexOf('\n', at);
            if (line < 0 || line + 1 >= text.size())
                break;
            text.insert(line + 1, needle);
            ++hits;
        }
        sinceHit = (sinceHit + text.size()) % kHitEvery;
        QFile file(QStringLiteral("%1/dokument %2.txt").arg(folder).arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return -1;
    }
    return hits;
}

// The files of the folder as the search window lists them, then each one searched; the
// number of hits, or -1 when a file could not be read.
int searchFolder(const QString& folder, bool caseSensitive) {
    QList<FileInfo> entries;
    if (!Platform::files().list(folder, entries, ListDetail::Names, ListOrder::ByName))
        return -1;
    QList<SoegeFil> files;
    files.reserve(entries.size());
    for (const FileInfo& e : std::as_const(entries))
        files.append({LogicalPath::join(folder, e.name), e.kind});
    const TekstSoegning soegning(kNeedle, false, caseSensitive);
    QList<TekstFund> fund;
    int unread = 0;
    const int searched = soegning.soegFiler(files, fund, unread, [](int) { return true; });
    return searched == files.size() && unread == 0 ? int(fund.size()) : -1;
}

bool compare(const BenchFolder& data, const QString& name, const Shape& shape, int expected,
             int rounds, bool caseSensitive) {
    const QString flags = caseSensitive ? QStringLiteral("-rnF") : QStringLiteral("-rniF");
    const QString grepOutput = data.filePath(QStringLiteral("grep.txt"));
    const auto grep = [&] {
        const Bench::Run r =
            Bench::run({QStringLiteral("grep"), flags, kNeedle, data.filePath(name)}, grepOutput);
        const qint64 lines = Bench::countLines(grepOutput);
        if (!r.ok() || lines != expected) {
            std::fprintf(stderr, "grep printed %lld lines, not %d\n", qlonglong(lines), expected);
            return -1.0;
        }
        return r.seconds;
    };
    const auto ours = [&] {
        int found = 0;
        const double seconds = Bench::timed([&] {
            found = searchFolder(QStringLiteral("C:\\") + name, caseSensitive);
            return found >= 0;
        });
        if (found != expected) {
            std::fprintf(stderr, "the search found %d hits, not %d\n", found, expected);
            return -1.0;
        }
        return seconds;
    };
    const QString work =
        QStringLiteral("text search %1%2 vs grep %3")
            .arg(QLatin1String(shape.name),
                 caseSensitive ? QString() : QStringLiteral(", ignoring case"), flags);
    const auto m = Bench::alternate(qPrintable(work), rounds, grep, ours);
    if (!m)
        return false;
    Bench::reportTimes(work, *m, caseSensitive ? Bench::Goal::AtMost : Bench::Goal::None, 1.2);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 9;
    const BenchFolder data(QStringLiteral("tekst"), args.size() > 1 ? args.at(1) : QString());
    if (!data.isValid())
        return 1;
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    Platform::reset();

    const Pool pool;
    const Shape shapes[] = {{500, 100 * 1024, "500 x 100 KiB"},
                            {51200, 1024, "51200 x 1 KiB"},
                            {5, 10 << 20, "5 x 10 MiB"},
                            {5, 100 << 20, "5 x 100 MiB"}};
    int number = 0;
    for (const Shape& shape : shapes) {
        const QString name = QStringLiteral("form%1").arg(++number);
        std::printf("making %s in %s ...\n", shape.name, qPrintable(data.filePath(name)));
        std::fflush(stdout);
        const int expected = makeFiles(pool, data.filePath(name), shape);
        const int shapeRounds = shape.size > (50 << 20) ? qMax(1, rounds - 2) : rounds;
        if (expected <= 0 || !compare(data, name, shape, expected, shapeRounds, true))
            return 1;
        if (number == 1 && !compare(data, name, shape, expected, shapeRounds, false))
            return 1;
        // Each shape's files go before the next is made, so memory holds one at a time.
        Bench::run({QStringLiteral("/bin/rm"), QStringLiteral("-rf"), data.filePath(name)});
    }
    return 0;
}
