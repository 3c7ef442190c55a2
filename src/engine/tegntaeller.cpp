#include "tegntaeller.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

#ifdef __SSE2__
// The bits set; the processor need not have a population count.
int bits(quint64 v) {
    v = v - ((v >> 1) & 0x5555555555555555ULL);
    v = (v & 0x3333333333333333ULL) + ((v >> 2) & 0x3333333333333333ULL);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return int((v * 0x0101010101010101ULL) >> 56);
}

// One bit for each of 64 bytes, set where `test` holds for the byte.
template <typename Test> quint64 mask64(const __m128i (&blocks)[4], Test test) {
    quint64 m = 0;
    for (int i = 0; i < 4; ++i)
        m |= quint64(unsigned(_mm_movemask_epi8(test(blocks[i])))) << (16 * i);
    return m;
}

// The bytes in [low, high], as 0xFF.
__m128i inRange(__m128i block, uchar low, uchar high) {
    const __m128i shifted = _mm_sub_epi8(block, _mm_set1_epi8(char(low)));
    return _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(char(high - low))), shifted);
}
#endif

} // namespace

bool Tegntaeller::byte(uchar b) {
    if (m_need > 0) {
        if (b < m_low || b > m_high)
            return false;
        m_low = 0x80;
        m_high = 0xBF;
        --m_need;
        return true;
    }
    m_afterCr = false;
    if (b < 0xC2 || b > 0xF4)
        return false;
    m_need = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    m_low = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
    m_high = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
    // A character beyond U+FFFF takes two UTF-16 units.
    m_tegn += m_need == 3 ? 2 : 1;
    return true;
}

#ifdef __SSE2__
const uchar* Tegntaeller::blocks(const uchar* at, const uchar* const end) {
    // Each byte counts but an LF after a CR and a byte that continues a character. A block
    // whose characters are all ASCII or of two bytes is checked whole; in another the bytes
    // up to the first that is not ASCII are counted here, and the rest byte by byte.
    qint64 tegn = m_tegn;
    bool afterCr = m_afterCr;
    for (; end - at >= 64;) {
        __m128i block[4];
        for (int i = 0; i < 4; ++i)
            block[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * i));
        const quint64 high = m_utf8 ? mask64(block, [](__m128i b) { return b; }) : 0;
        const quint64 cr =
            mask64(block, [](__m128i b) { return _mm_cmpeq_epi8(b, _mm_set1_epi8('\r')); });
        const quint64 lf =
            mask64(block, [](__m128i b) { return _mm_cmpeq_epi8(b, _mm_set1_epi8('\n')); });
        int counted = 64;
        quint64 continuing = 0;
        if (high != 0) {
            const quint64 lead = mask64(block, [](__m128i b) { return inRange(b, 0xC2, 0xDF); });
            continuing = mask64(block, [](__m128i b) { return inRange(b, 0x80, 0xBF); });
            // Each lead followed by one continuing byte, the last byte no lead.
            if ((lead | continuing) != high || continuing != lead << 1 || (lead >> 63) != 0) {
                counted = __builtin_ctzll(high);
                continuing = 0;
            }
        }
        const quint64 within = counted == 64 ? ~quint64(0) : (quint64(1) << counted) - 1;
        const quint64 pairs = lf & ((cr << 1) | quint64(afterCr)) & within;
        tegn += counted - (pairs == 0 ? 0 : bits(pairs)) - (continuing == 0 ? 0 : bits(continuing));
        if (counted > 0)
            afterCr = (cr >> (counted - 1)) & 1;
        at += counted;
        if (counted < 64)
            break;
    }
    m_tegn = tegn;
    m_afterCr = afterCr;
    return at;
}
#endif

bool Tegntaeller::feed(QByteArrayView bytes) {
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = at + bytes.size();
    while (at < end) {
        if (m_need > 0) {
            if (!byte(*at++))
                return false;
            continue;
        }
#ifdef __SSE2__
        at = blocks(at, end);
        if (at == end)
            break;
#endif
        const uchar b = *at++;
        if (b < 0x80 || !m_utf8) {
            m_tegn += m_afterCr && b == '\n' ? 0 : 1;
            m_afterCr = b == '\r';
        } else if (!byte(b)) {
            return false;
        }
    }
    return true;
}
