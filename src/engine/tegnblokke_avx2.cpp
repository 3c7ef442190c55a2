// The AVX2 kernel of the character counter's block step, in a file of its own: the build
// compiles this file alone for AVX2, and the counter calls it only where the processor has
// it. Nothing here is shared with the other files but the templates of tegnblokke.h, whose
// copies are this file's own.
#include "tegnblokke.h"

#ifdef __AVX2__
#include <immintrin.h>

namespace {

// 64 bytes in two AVX2 registers.
class Avx2Blok {
public:
    explicit Avx2Blok(const uchar* at)
        : m_a(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at))),
          m_b(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 32))) {}
    quint64 high() const { return mask(m_a, m_b); }
    quint64 range(uchar low, uchar high) const {
        return mask(inRange(m_a, low, high), inRange(m_b, low, high));
    }
    quint64 bytes(char byte) const {
        const __m256i v = _mm256_set1_epi8(byte);
        return mask(_mm256_cmpeq_epi8(m_a, v), _mm256_cmpeq_epi8(m_b, v));
    }
    bool has(char byte) const {
        const __m256i v = _mm256_set1_epi8(byte);
        const __m256i any = _mm256_or_si256(_mm256_cmpeq_epi8(m_a, v), _mm256_cmpeq_epi8(m_b, v));
        return !_mm256_testz_si256(any, any);
    }

private:
    // One bit for each of the 64 bytes, set where the byte has its high bit (or is 0xFF).
    static quint64 mask(__m256i low, __m256i high) {
        return quint64(unsigned(_mm256_movemask_epi8(low))) |
               quint64(unsigned(_mm256_movemask_epi8(high))) << 32;
    }
    // The bytes in [low, high], as 0xFF.
    static __m256i inRange(__m256i block, uchar low, uchar high) {
        const __m256i shifted = _mm256_sub_epi8(block, _mm256_set1_epi8(char(low)));
        return _mm256_cmpeq_epi8(_mm256_min_epu8(shifted, _mm256_set1_epi8(char(high - low))),
                                 shifted);
    }

    __m256i m_a;
    __m256i m_b;
};

} // namespace

bool TegnBlokke::harAvx2() {
    return __builtin_cpu_supports("avx2");
}

const uchar* TegnBlokke::avx2(const uchar* at, const uchar* const end, bool utf8, qint64& tegn,
                              bool& afterCr) {
    return tagBlokke<Avx2Blok>(at, end, utf8, tegn, afterCr);
}
#else
bool TegnBlokke::harAvx2() {
    return false;
}

const uchar* TegnBlokke::avx2(const uchar* at, const uchar*, bool, qint64&, bool&) {
    return at;
}
#endif
