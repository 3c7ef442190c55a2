#include "tegnblokke.h"

#ifdef __SSE2__
#include <emmintrin.h>

namespace {

// 64 bytes in four SSE2 registers.
class Sse2Blok {
public:
    explicit Sse2Blok(const uchar* at) {
        for (int i = 0; i < 4; ++i)
            m_v[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * i));
    }
    quint64 high() const { return mask(m_v[0], m_v[1], m_v[2], m_v[3]); }
    quint64 range(uchar low, uchar high) const {
        return mask(inRange(m_v[0], low, high), inRange(m_v[1], low, high),
                    inRange(m_v[2], low, high), inRange(m_v[3], low, high));
    }
    quint64 bytes(char byte) const {
        const __m128i v = _mm_set1_epi8(byte);
        return mask(_mm_cmpeq_epi8(m_v[0], v), _mm_cmpeq_epi8(m_v[1], v), _mm_cmpeq_epi8(m_v[2], v),
                    _mm_cmpeq_epi8(m_v[3], v));
    }
    bool has(char byte) const {
        const __m128i v = _mm_set1_epi8(byte);
        const __m128i any =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(m_v[0], v), _mm_cmpeq_epi8(m_v[1], v)),
                         _mm_or_si128(_mm_cmpeq_epi8(m_v[2], v), _mm_cmpeq_epi8(m_v[3], v)));
        return _mm_movemask_epi8(any) != 0;
    }

private:
    // One bit for each of the 64 bytes, set where the byte has its high bit (or is 0xFF).
    static quint64 mask(__m128i a, __m128i b, __m128i c, __m128i d) {
        return quint64(unsigned(_mm_movemask_epi8(a))) |
               quint64(unsigned(_mm_movemask_epi8(b))) << 16 |
               quint64(unsigned(_mm_movemask_epi8(c))) << 32 |
               quint64(unsigned(_mm_movemask_epi8(d))) << 48;
    }
    // The bytes in [low, high], as 0xFF.
    static __m128i inRange(__m128i block, uchar low, uchar high) {
        const __m128i shifted = _mm_sub_epi8(block, _mm_set1_epi8(char(low)));
        return _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(char(high - low))), shifted);
    }

    __m128i m_v[4];
};

} // namespace

const uchar* TegnBlokke::sse2(const uchar* at, const uchar* const end, bool utf8, qint64& tegn,
                              bool& afterCr) {
    return tagBlokke<Sse2Blok>(at, end, utf8, tegn, afterCr);
}
#endif
