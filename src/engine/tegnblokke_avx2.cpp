// The AVX2 kernel of the character counter's block step, in a file of its own: the build
// compiles this file alone for AVX2, and the counter calls it only where the processor has
// it. Nothing here is shared with the other files but tagBlok, whose copy is this file's own.
#include "tegnblokke.h"

#ifdef __AVX2__
#include <immintrin.h>

namespace {

quint64 mask64(__m256i low, __m256i high) {
    return quint64(unsigned(_mm256_movemask_epi8(low))) |
           quint64(unsigned(_mm256_movemask_epi8(high))) << 32;
}

// The bytes in [low, high], as 0xFF.
__m256i inRange(__m256i block, uchar low, uchar high) {
    const __m256i shifted = _mm256_sub_epi8(block, _mm256_set1_epi8(char(low)));
    return _mm256_cmpeq_epi8(_mm256_min_epu8(shifted, _mm256_set1_epi8(char(high - low))), shifted);
}

quint64 rangeMask(__m256i a, __m256i b, uchar low, uchar high) {
    return mask64(inRange(a, low, high), inRange(b, low, high));
}

quint64 byteMask(__m256i a, __m256i b, char byte) {
    const __m256i v = _mm256_set1_epi8(byte);
    return mask64(_mm256_cmpeq_epi8(a, v), _mm256_cmpeq_epi8(b, v));
}

} // namespace

bool TegnBlokke::harAvx2() {
    return __builtin_cpu_supports("avx2");
}

const uchar* TegnBlokke::avx2(const uchar* at, const uchar* const end, bool utf8, qint64& tegn,
                              bool& afterCr) {
    for (; end - at >= 64;) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 32));
        const quint64 high = utf8 ? mask64(a, b) : 0;
        // Most text has no CR at all: one test says so, and the line feeds need no mask.
        const __m256i cr = _mm256_set1_epi8('\r');
        const __m256i anyCr = _mm256_or_si256(_mm256_cmpeq_epi8(a, cr), _mm256_cmpeq_epi8(b, cr));
        const bool breaks = afterCr || !_mm256_testz_si256(anyCr, anyCr);
        const int counted =
            tagBlok(high, high != 0 ? rangeMask(a, b, 0xC2, 0xDF) : 0,
                    high != 0 ? rangeMask(a, b, 0x80, 0xBF) : 0, breaks ? byteMask(a, b, '\r') : 0,
                    breaks ? byteMask(a, b, '\n') : 0, tegn, afterCr);
        at += counted;
        if (counted < 64)
            break;
    }
    return at;
}
#else
bool TegnBlokke::harAvx2() {
    return false;
}

const uchar* TegnBlokke::avx2(const uchar* at, const uchar*, bool, qint64&, bool&) {
    return at;
}
#endif
