#include "bytemoenster.h"

#include "platform/textfile.h"

#include <QHash>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Every code point whose case folding is that of `c`, `c` among them: the characters that
// match `c` when case does not count.
QList<char32_t> caseForms(char32_t c) {
    static const QHash<char32_t, QList<char32_t>> folded = [] {
        QHash<char32_t, QList<char32_t>> groups;
        for (char32_t cp = 0; cp < 0x20000; ++cp) // no character above folds
            if (const char32_t f = QChar::toCaseFolded(cp); f != cp)
                groups[f].append(cp);
        return groups;
    }();
    const char32_t f = QChar::toCaseFolded(c);
    QList<char32_t> forms = folded.value(f);
    if (QChar::toCaseFolded(f) == f)
        forms.append(f);
    return forms;
}

// The bytes of one character in an encoding; empty when the encoding has none for it.
QByteArray encoded(char32_t c, Bytemoenster::Kodning kodning) {
    const QString text = QStringView(QChar::fromUcs4(c)).toString(); // a U+FEFF too
    if (kodning == Bytemoenster::Kodning::Utf8)
        return text.toUtf8();
    if (kodning == Bytemoenster::Kodning::Windows1252)
        return TextFile::toWindows1252(text).value_or(QByteArray());
    QByteArray bytes;
    for (const QChar unit : text) {
        const char high = char(unit.unicode() >> 8), low = char(unit.unicode() & 0xFF);
        bytes.append(kodning == Bytemoenster::Kodning::Utf16LE ? low : high);
        bytes.append(kodning == Bytemoenster::Kodning::Utf16LE ? high : low);
    }
    return bytes;
}

// One character of the text: the bytes of each form it may have in a file.
struct Tegn {
    QList<QByteArray> former;
    qsizetype laengste = 0;
    bool ensartet = true; // all forms have one length
};

QList<std::bitset<256>> setsOf(const QList<Tegn>& tegn) {
    QList<std::bitset<256>> sets;
    for (const Tegn& t : tegn) {
        const qsizetype first = sets.size();
        sets.resize(first + t.former.first().size());
        for (const QByteArray& form : t.former)
            for (qsizetype i = 0; i < form.size(); ++i)
                sets[first + i].set(uchar(form.at(i)));
    }
    return sets;
}

qsizetype longest(QList<Tegn>::const_iterator from, QList<Tegn>::const_iterator to) {
    qsizetype bytes = 0;
    for (auto t = from; t != to; ++t)
        bytes += t->laengste;
    return bytes;
}

// How common a byte is in text, roughly: 1 rare (digits, most punctuation, bytes that
// UTF-8 text seldom holds) to 5 common (lower-case letters and blanks).
int commonness(uchar c) {
    if ((c >= 'a' && c <= 'z') || c == ' ')
        return 5;
    if (c == '\t' || c == '\n' || c == '\r')
        return 4;
    if ((c >= 0x80 && c <= 0xC3))
        return 3; // UTF-8 continuation bytes and the lead bytes of Latin-1 letters
    if ((c >= 'A' && c <= 'Z') || c == '.' || c == ',')
        return 2;
    return 1;
}

// The first of [at, end) that is `a` or `b`.
const uchar* findByte(const uchar* at, const uchar* end, uchar a, uchar b) {
    if (a == b)
        return static_cast<const uchar*>(std::memchr(at, a, size_t(end - at)));
#ifdef __SSE2__
    const __m128i wantA = _mm_set1_epi8(char(a)), wantB = _mm_set1_epi8(char(b));
    for (; end - at >= 16; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int hits = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(block, wantA), _mm_cmpeq_epi8(block, wantB)));
        if (hits != 0)
            return at + __builtin_ctz(unsigned(hits));
    }
#endif
    for (; at < end; ++at)
        if (*at == a || *at == b)
            return at;
    return nullptr;
}

} // namespace

QList<Bytemoenster> Bytemoenster::forTekst(const QString& tekst, bool forskelStoreSmaa,
                                           const QList<Kodning>& kodninger) {
    QList<Tegn> tegn;
    for (const char32_t c : tekst.toUcs4()) {
        Tegn t;
        for (const char32_t form : forskelStoreSmaa ? QList<char32_t>{c} : caseForms(c))
            for (const Kodning kodning : kodninger)
                if (const QByteArray bytes = encoded(form, kodning);
                    !bytes.isEmpty() && !t.former.contains(bytes))
                    t.former.append(bytes);
        if (t.former.isEmpty())
            return {}; // a character no file of these encodings can hold
        for (const QByteArray& form : std::as_const(t.former)) {
            t.ensartet = t.ensartet && form.size() == t.former.first().size();
            t.laengste = qMax(t.laengste, form.size());
        }
        tegn.append(t);
    }
    // The longest run of characters with forms of one length.
    auto best = tegn.cend(), bestEnd = tegn.cend();
    for (auto from = tegn.cbegin(); from != tegn.cend();) {
        auto to = from;
        while (to != tegn.cend() && to->ensartet)
            ++to;
        if (to != from && (best == tegn.cend() || longest(from, to) > longest(best, bestEnd))) {
            best = from;
            bestEnd = to;
        }
        from = to == from ? to + 1 : to;
    }
    if (best != tegn.cend())
        return {Bytemoenster(setsOf(QList<Tegn>(best, bestEnd)), longest(tegn.cbegin(), best),
                             longest(bestEnd, tegn.cend()))};
    // Each length of the first character's forms.
    QList<Bytemoenster> rows;
    const Tegn& first = tegn.first();
    const qsizetype rest = longest(tegn.cbegin() + 1, tegn.cend());
    for (qsizetype length = 1; length <= first.laengste; ++length) {
        Tegn same;
        for (const QByteArray& form : first.former)
            if (form.size() == length)
                same.former.append(form);
        if (!same.former.isEmpty())
            rows.append(Bytemoenster(setsOf({same}), 0, rest));
    }
    return rows;
}

Bytemoenster::Bytemoenster(QList<std::bitset<256>> sets, qsizetype foer, qsizetype efter)
    : m_sets(std::move(sets)), m_foer(foer), m_efter(efter) {
    const qsizetype n = m_sets.size();
    m_skip.fill(n);
    int rarest = 6;
    for (qsizetype i = 0; i < n; ++i) {
        const std::bitset<256>& set = m_sets.at(i);
        QList<uchar> bytes;
        for (int b = 0; b < 256; ++b) {
            if (!set.test(b))
                continue;
            bytes.append(uchar(b));
            if (i + 1 < n)
                m_skip[b] = n - 1 - i;
        }
        if (bytes.size() > 2)
            continue;
        int common = 0;
        for (const uchar b : std::as_const(bytes))
            common = qMax(common, commonness(b));
        if (common < rarest || (common == rarest && bytes.size() == 1 && m_rareA != m_rareB)) {
            rarest = common;
            m_rare = i;
            m_rareA = bytes.first();
            m_rareB = bytes.last();
        }
    }
    // Among common bytes only, a longer row skips faster than memchr stops.
    if (rarest == 5 && n >= 4)
        m_rare = -1;
}

bool Bytemoenster::matchesAt(const uchar* at) const {
    for (qsizetype k = m_sets.size() - 1; k >= 0; --k)
        if (!m_sets.at(k).test(at[k]))
            return false;
    return true;
}

qsizetype Bytemoenster::find(QByteArrayView bytes, qsizetype from) const {
    const qsizetype n = m_sets.size();
    const qsizetype size = bytes.size();
    if (from < 0 || size - from < n)
        return -1;
    const auto* hay = reinterpret_cast<const uchar*>(bytes.data());
    if (m_rare >= 0) {
        const uchar* const end = hay + size - n + m_rare + 1;
        for (const uchar* at = hay + from + m_rare; at < end; ++at) {
            at = findByte(at, end, m_rareA, m_rareB);
            if (!at)
                return -1;
            if (matchesAt(at - m_rare))
                return at - m_rare - hay;
        }
        return -1;
    }
    for (qsizetype at = from; at + n <= size; at += m_skip[hay[at + n - 1]])
        if (matchesAt(hay + at))
            return at;
    return -1;
}
