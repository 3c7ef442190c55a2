#include "tegnblokke.h"

#ifdef __SSE2__
#include <emmintrin.h>

namespace {

// One bit for each of 64 bytes, set where the byte of `blocks` is 0xFF or has its high bit.
quint64 mask64(__m128i a, __m128i b, __m128i c, __m128i d) {
    return quint64(unsigned(_mm_movemask_epi8(a))) | quint64(unsigned(_mm_movemask_epi8(b))) << 16 |
           quint64(unsigned(_mm_movemask_epi8(c))) << 32 |
           quint64(unsigned(_mm_movemask_epi8(d))) << 48;
}

// The bytes in [low, high], as 0xFF.
__m128i inRange(__m128i block, uchar low, uchar high) {
    const __m128i shifted = _mm_sub_epi8(block, _mm_set1_epi8(char(low)));
    return _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(char(high - low))), shifted);
}

quint64 rangeMask(const __m128i (&b)[4], uchar low, uchar high) {
    return mask64(inRange(b[0], low, high), inRange(b[1], low, high), inRange(b[2], low, high),
                  inRange(b[3], low, high));
}

quint64 byteMask(const __m128i (&b)[4], char byte) {
    const __m128i v = _mm_set1_epi8(byte);
    return mask64(_mm_cmpeq_epi8(b[0], v), _mm_cmpeq_epi8(b[1], v), _mm_cmpeq_epi8(b[2], v),
                  _mm_cmpeq_epi8(b[3], v));
}

} // namespace

const uchar* TegnBlokke::sse2(const uchar* at, const uchar* const end, bool utf8, qint64& tegn,
                              bool& afterCr) {
    for (; end - at >= 64;) {
        __m128i b[4];
        for (int i = 0; i < 4; ++i)
            b[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * i));
        const quint64 high = utf8 ? mask64(b[0], b[1], b[2], b[3]) : 0;
        // Most text has no CR at all: one test says so, and the line feeds need no mask.
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i anyCr =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b[0], cr), _mm_cmpeq_epi8(b[1], cr)),
                         _mm_or_si128(_mm_cmpeq_epi8(b[2], cr), _mm_cmpeq_epi8(b[3], cr)));
        const bool breaks = afterCr || _mm_movemask_epi8(anyCr) != 0;
        const int counted =
            tagBlok(high, high != 0 ? rangeMask(b, 0xC2, 0xDF) : 0,
                    high != 0 ? rangeMask(b, 0x80, 0xBF) : 0, breaks ? byteMask(b, '\r') : 0,
                    breaks ? byteMask(b, '\n') : 0, tegn, afterCr);
        at += counted;
        if (counted < 64)
            break;
    }
    return at;
}
#endif
