// Searches a file of arbitrary bytes for a text and compares the hits with a plain reference
// that decodes the whole file at once: the same positions and the same lines. This target
// reads files in parts of a few bytes, so every edge between parts is reached.
//
// Input: one byte of options (bit 0 upper and lower case differ, bit 1 whole words, bits 2-4
// the length of the text in bytes, less one), the text as UTF-8, then the file.
#include "fuzzsupport.h"

#include "engine/rtftekst.h"
#include "engine/tekstsoegning.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QStringDecoder>

using FuzzSupport::require;

namespace {

// The text the editor would show, decoded whole, each line break as one "\n".
QString referenceText(const QByteArray& bytes) {
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                          QStringConverter::Flag::Stateless)
                   .decode(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF") ? QStringConverter::Utf16LE
                                                        : QStringConverter::Utf16BE,
                               QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(bytes.mid(2));
    } else if (bytes.startsWith("{\\rtf")) {
        RtfTekst().feed(bytes, text);
    } else {
        // Valid UTF-8 is exactly what survives the way through UTF-16 unchanged.
        text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes)
            text = TextFile::fromWindows1252(bytes);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool wholeWord(const QString& text, qsizetype start, qsizetype end) {
    return (start == 0 || !text.at(start - 1).isLetterOrNumber()) &&
           (end == text.size() || !text.at(end).isLetterOrNumber());
}

QList<TekstFund> referenceHits(const QString& text, const QString& needle, bool heleOrd,
                               Qt::CaseSensitivity cs, const QString& path) {
    QList<TekstFund> hits;
    const qsizetype n = needle.size();
    for (qsizetype from = 0;;) {
        const qsizetype at = text.indexOf(needle, from, cs);
        if (at < 0)
            return hits;
        const qsizetype end = at + n;
        if (heleOrd && !wholeWord(text, at, end)) {
            from = at + 1;
            continue;
        }
        const qsizetype first = qMax<qsizetype>(0, at - TekstSoegning::kKontekst);
        const qsizetype lineStart = first + text.mid(first, at - first).lastIndexOf(u'\n') + 1;
        const qsizetype limit = qMin(end + TekstSoegning::kKontekst, text.size());
        const qsizetype lineBreak = text.mid(end, limit - end).indexOf(u'\n');
        const qsizetype lineEnd = lineBreak >= 0 ? end + lineBreak : limit;
        hits.append({path, at, text.mid(lineStart, lineEnd - lineStart)});
        from = end;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_tekstsoegning", false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const bool forskel = data[0] & 1;
    const bool heleOrd = data[0] & 2;
    const size_t length = qMin<size_t>(size - 1, 1 + ((data[0] >> 2) & 7));
    const QString needle = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), length);
    const QByteArray file = FuzzSupport::bytesOf(data + 1 + length, size - 1 - length);
    // The search field is one line: a text never holds a line break.
    if (needle.isEmpty() || needle.contains(QLatin1Char('\n')) ||
        needle.contains(QLatin1Char('\r')))
        return 0;

    const QString path = QStringLiteral("C:\\fil.txt");
    FuzzSupport::writeHost(*Platform::hostPath(path), file);
    QList<TekstFund> fund;
    require(TekstSoegning(needle, heleOrd, forskel).soegFil(path, fund), "the file is read");
    const QList<TekstFund> wanted =
        referenceHits(referenceText(file), needle, heleOrd,
                      forskel ? Qt::CaseSensitive : Qt::CaseInsensitive, path);
    require(fund.size() == wanted.size(), "as many hits as in the whole text");
    for (qsizetype i = 0; i < fund.size(); ++i) {
        require(fund.at(i).position == wanted.at(i).position,
                "each hit where the whole text has it");
        require(fund.at(i).tekst == wanted.at(i).tekst, "each hit shows its line");
    }
    return 0;
}
