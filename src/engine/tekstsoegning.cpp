#include "tekstsoegning.h"
#include "rtftekst.h"

#include "platform/platform.h"
#include "platform/textfile.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

namespace {

// Files are read in parts of this size. The fuzz build makes it a few bytes, so that short
// inputs reach the edges between parts.
#ifndef RAVNSTI_SEARCH_PART
#define RAVNSTI_SEARCH_PART (1 << 20)
#endif
constexpr qint64 kChunk = RAVNSTI_SEARCH_PART;

// Finds the hits in a text handed over in parts, keeping only as much of it as the hits
// still to come may need.
class Fundsoeger {
public:
    Fundsoeger(const QString& needle, bool heleOrd, Qt::CaseSensitivity cs, const QString& dokument,
               QList<TekstFund>& fund, qsizetype max)
        : m_needle(needle), m_heleOrd(heleOrd), m_cs(cs), m_dokument(dokument), m_fund(fund),
          m_max(max) {}

    void feed(QStringView piece) {
        append(piece);
        scan(false);
    }
    void finish() { scan(true); }
    bool full() const { return m_fund.size() >= m_max; }

private:
    // Appends with every line break as one "\n", as the editor counts it.
    void append(QStringView piece) {
        if (piece.isEmpty())
            return; // a part that gave no text leaves a CR before it pending
        if (m_pendingCr && piece.startsWith(u'\n'))
            piece = piece.mid(1);
        m_pendingCr = false;
        while (!piece.isEmpty()) {
            const qsizetype cr = piece.indexOf(u'\r');
            if (cr < 0) {
                m_buf.append(piece);
                return;
            }
            m_buf.append(piece.left(cr));
            m_buf.append(u'\n');
            piece = piece.mid(cr + 1);
            if (piece.isEmpty())
                m_pendingCr = true; // a LF at the start of the next part belongs to it
            else if (piece.startsWith(u'\n'))
                piece = piece.mid(1);
        }
    }

    bool wholeWord(qsizetype start, qsizetype end) const {
        return (start == 0 || !m_buf.at(start - 1).isLetterOrNumber()) &&
               (end == m_buf.size() || !m_buf.at(end).isLetterOrNumber());
    }

    void scan(bool atEnd) {
        const qsizetype n = m_needle.size();
        const QStringView buf(m_buf);
        while (!full()) {
            const qsizetype at = buf.indexOf(m_needle, m_from, m_cs);
            if (at < 0) {
                m_from = qMax(m_from, buf.size() - n + 1);
                break;
            }
            const qsizetype end = at + n;
            const qsizetype limit = end + TekstSoegning::kKontekst;
            qsizetype lineEnd = buf.mid(end, qMin(limit, buf.size()) - end).indexOf(u'\n');
            if (lineEnd >= 0) {
                lineEnd += end;
            } else if (buf.size() < limit && !atEnd) {
                m_from = at; // the rest of its line has not come yet
                break;
            } else {
                lineEnd = qMin(limit, buf.size());
            }
            if (m_heleOrd && !wholeWord(at, end)) {
                m_from = at + 1;
                continue;
            }
            const qsizetype from = qMax<qsizetype>(0, at - TekstSoegning::kKontekst);
            const qsizetype lineStart = from + buf.mid(from, at - from).lastIndexOf(u'\n') + 1;
            m_fund.append({m_dokument, m_base + at, m_buf.mid(lineStart, lineEnd - lineStart)});
            m_from = end;
        }
        // Keep what the next hit may show before it (or need to tell a whole word).
        const qsizetype drop = qMax<qsizetype>(0, m_from - TekstSoegning::kKontekst);
        if (drop > 0) {
            m_buf.remove(0, drop);
            m_base += drop;
            m_from -= drop;
        }
    }

    const QString& m_needle;
    const bool m_heleOrd;
    const Qt::CaseSensitivity m_cs;
    const QString& m_dokument;
    QList<TekstFund>& m_fund;
    const qsizetype m_max;
    QString m_buf;
    qint64 m_base = 0;    // position of m_buf's first character in the whole text
    qsizetype m_from = 0; // where in m_buf the search goes on
    bool m_pendingCr = false;
};

// Reads the rest of the file in parts through `buffer`; false on a read error.
bool readParts(QIODevice& file, QByteArray& buffer,
               const std::function<bool(QByteArrayView)>& part) {
    if (buffer.size() != kChunk)
        buffer.resize(kChunk);
    for (;;) {
        const qint64 n = file.read(buffer.data(), kChunk);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!part(QByteArrayView(buffer.constData(), n)))
            return true;
    }
}

// How many of the last bytes begin a UTF-8 sequence that the bytes after them must complete.
qsizetype incompleteTail(QByteArrayView tail) {
    for (qsizetype back = 1; back <= qMin<qsizetype>(4, tail.size()); ++back) {
        const auto b = uchar(tail.at(tail.size() - back));
        if ((b & 0xC0) == 0x80)
            continue; // a continuation byte: the lead lies further back
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

bool holdsHighByte(QByteArrayView bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
}

// Whether the bytes hold a short sequence whose first byte is rare in text.
bool holdsRare(QByteArrayView bytes, QByteArrayView sequence) {
    const char* at = bytes.data();
    const char* const end = bytes.data() + bytes.size();
    while ((at = static_cast<const char*>(std::memchr(at, sequence.front(), size_t(end - at))))) {
        if (end - at >= sequence.size() && std::memcmp(at, sequence.data(), sequence.size()) == 0)
            return true;
        ++at;
    }
    return false;
}

uchar lowerAscii(uchar c) {
    return c >= 'A' && c <= 'Z' ? uchar(c + 32) : c;
}

template <bool IgnoreCase> uchar folded(uchar c) {
    return IgnoreCase ? lowerAscii(c) : c;
}

// How common a byte is in text, roughly: 1 rare (digits, most punctuation) to 5 common
// (lower-case letters and blanks).
int commonness(uchar c) {
    if ((c >= 'a' && c <= 'z') || c == ' ')
        return 5;
    if (c == '\t' || c == '\n' || c == '\r')
        return 4;
    if (c >= 0x80)
        return 3;
    if ((c >= 'A' && c <= 'Z') || c == '.' || c == ',')
        return 2;
    return 1;
}

// Ignoring case, ASCII letters are compared in lower case (the pattern is lower case then).
template <bool IgnoreCase>
bool holdsPattern(QByteArrayView bytes, const TekstSoegning::Bytemoenster& m) {
    const qsizetype n = m.bytes.size();
    if (bytes.size() < n)
        return false;
    const auto* hay = reinterpret_cast<const uchar*>(bytes.data());
    const auto* wanted = reinterpret_cast<const uchar*>(m.bytes.constData());
    const auto matchesAt = [&](const uchar* at) {
        for (qsizetype k = n - 1; k >= 0; --k)
            if (folded<IgnoreCase>(at[k]) != wanted[k])
                return false;
        return true;
    };
    if (m.rare >= 0) {
        // A rare byte of the pattern is looked for first, which memchr does fast.
        const uchar* const last = hay + bytes.size() - n + m.rare;
        for (const uchar* at = hay + m.rare; at <= last; ++at) {
            at = static_cast<const uchar*>(std::memchr(at, wanted[m.rare], size_t(last - at + 1)));
            if (!at)
                return false;
            if (matchesAt(at - m.rare))
                return true;
        }
        return false;
    }
    // Boyer-Moore-Horspool.
    for (qsizetype at = 0; at + n <= bytes.size();
         at += m.skip[folded<IgnoreCase>(hay[at + n - 1])])
        if (matchesAt(hay + at))
            return true;
    return false;
}

} // namespace

TekstSoegning::TekstSoegning(const QString& soegetekst, bool heleOrd, bool forskelStoreSmaa)
    : m_tekst(soegetekst), m_heleOrd(heleOrd),
      m_cs(forskelStoreSmaa ? Qt::CaseSensitive : Qt::CaseInsensitive) {
    const QByteArray utf8 = soegetekst.toUtf8();
    QList<QByteArray> forms;
    if (forskelStoreSmaa) {
        forms.append(utf8);
        const auto w1252 = TextFile::toWindows1252(soegetekst);
        if (w1252 && *w1252 != utf8)
            forms.append(*w1252);
    } else if (!holdsHighByte(utf8)) {
        // ASCII is the same in both encodings; its letters are compared in lower case.
        QByteArray lower = utf8;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char c) { return char(lowerAscii(uchar(c))); });
        forms.append(lower);
        // Two characters beyond ASCII fold to ASCII letters: KELVIN SIGN to "k" and LONG S
        // to "s". A file holding one of them (in UTF-8) is decoded to be sure.
        m_foldsToAscii = lower.contains('k') || lower.contains('s');
    }
    for (const QByteArray& form : std::as_const(forms)) {
        Bytemoenster m{form, {}, -1};
        m.skip.fill(form.size());
        int rarest = 5;
        for (qsizetype i = 0; i < form.size(); ++i) {
            if (i + 1 < form.size())
                m.skip[uchar(form.at(i))] = form.size() - 1 - i;
            if (const int c = commonness(uchar(form.at(i))); c < rarest) {
                rarest = c;
                m.rare = i;
            }
        }
        m_moenstre.append(m);
    }
}

bool TekstSoegning::kanIndeholde(QIODevice& file) const {
    if (m_moenstre.isEmpty())
        return true;
    qsizetype longest = 0;
    for (const Bytemoenster& m : m_moenstre)
        longest = qMax(longest, m.bytes.size());
    const bool ignoreCase = m_cs == Qt::CaseInsensitive;
    const auto holds = [&](QByteArrayView bytes) {
        if (ignoreCase)
            return holdsPattern<true>(bytes, m_moenstre.first()) ||
                   (m_foldsToAscii &&
                    (holdsRare(bytes, "\xE2\x84\xAA") || holdsRare(bytes, "\xC5\xBF")));
        return std::any_of(m_moenstre.cbegin(), m_moenstre.cend(), [bytes](const Bytemoenster& m) {
            return holdsPattern<false>(bytes, m);
        });
    };
    // The end of each part is kept before the next, so no hit falls between two parts.
    QByteArray carry;
    bool found = false;
    const bool read = readParts(file, m_buffer, [&](QByteArrayView part) {
        found = carry.isEmpty() ? holds(part) : holds(carry.append(part.data(), part.size()));
        carry = part.last(qMin(longest - 1, part.size())).toByteArray();
        return !found;
    });
    return found || !read;
}

bool TekstSoegning::laes(QIODevice& file, Kodning kodning, const QString& path,
                         QList<TekstFund>& fund, qsizetype max) const {
    Fundsoeger soeger(m_tekst, m_heleOrd, m_cs, path, fund, max);
    RtfTekst rtf;
    QStringDecoder decoder(kodning == Kodning::Utf16LE   ? QStringConverter::Utf16LE
                           : kodning == Kodning::Utf16BE ? QStringConverter::Utf16BE
                                                         : QStringConverter::Utf8);
    // Without a byte-order mark only valid UTF-8 is taken for UTF-8.
    const bool strict = kodning == Kodning::Utf8;
    QByteArray tail; // the last bytes, to tell a sequence cut off at the end
    bool invalid = false;
    QString text;
    const bool read = readParts(file, m_buffer, [&](QByteArrayView part) {
        text.clear();
        if (kodning == Kodning::Rtf) {
            rtf.feed(part, text);
        } else if (kodning == Kodning::Windows1252) {
            text = TextFile::fromWindows1252(part.toByteArray());
        } else if (kodning == Kodning::Utf8Bom) {
            // A sequence cut by the end of the part waits for the rest of it; each part is
            // decoded whole, so nothing of the decoder's own state can go astray between them.
            tail.append(part.data(), part.size());
            const qsizetype keep = incompleteTail(tail);
            text = TextFile::fromUtf8(QByteArrayView(tail).first(tail.size() - keep));
            tail = tail.right(keep);
        } else {
            text = decoder.decode(part);
            invalid = strict && decoder.hasError();
            tail = (tail + part.last(qMin<qsizetype>(4, part.size())).toByteArray()).right(4);
        }
        if (!invalid)
            soeger.feed(text);
        return !invalid && !soeger.full();
    });
    if (invalid || (strict && incompleteTail(tail) > 0))
        return false;
    if (kodning == Kodning::Utf8Bom)
        soeger.feed(TextFile::fromUtf8(tail)); // a sequence the file ends inside
    soeger.finish();
    return read;
}

bool TekstSoegning::soegFil(const QString& path, QList<TekstFund>& fund) const {
    FileResult opened;
    const std::unique_ptr<QIODevice> file = Platform::files().openForReading(path, opened);
    if (!file)
        return false;
    if (m_tekst.isEmpty() || fund.size() >= kMaxFund)
        return true;
    const QByteArray head = file->read(5);
    Kodning kodning = Kodning::Utf8;
    if (head.startsWith("\xEF\xBB\xBF"))
        kodning = Kodning::Utf8Bom;
    else if (head.startsWith("\xFF\xFE"))
        kodning = Kodning::Utf16LE;
    else if (head.startsWith("\xFE\xFF"))
        kodning = Kodning::Utf16BE;
    else if (head.startsWith("{\\rtf"))
        kodning = Kodning::Rtf;
    // The byte-order mark of UTF-8 is no character of the text.
    if (!file->seek(kodning == Kodning::Utf8Bom ? 3 : 0))
        return false;
    if (kodning == Kodning::Utf8) {
        if (!kanIndeholde(*file))
            return true;
        if (!file->seek(0))
            return false;
    }
    QList<TekstFund> found;
    const qsizetype max = kMaxFund - fund.size();
    if (laes(*file, kodning, path, found, max)) {
        fund.append(found);
        return true;
    }
    // Not valid UTF-8 (or a read error): read it again as Windows-1252.
    found.clear();
    if (kodning != Kodning::Utf8 || !file->seek(0) ||
        !laes(*file, Kodning::Windows1252, path, found, max))
        return false;
    fund.append(found);
    return true;
}
