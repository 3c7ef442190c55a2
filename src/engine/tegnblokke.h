#pragma once

#include <QtGlobal>

// The block step of the character counter (tegntaeller.h): 64 bytes at a time, in two
// kernels, SSE2 and AVX2, that share the step and what is done with a block's bit masks. Each
// counts from `at`, where no character is begun, up to a block it cannot take whole, and returns
// where it stopped; `tegn` and `afterCr` go on from the bytes before.
namespace TegnBlokke {

const uchar* sse2(const uchar* at, const uchar* end, bool utf8, qint64& tegn, bool& afterCr);
// Only on a processor that has AVX2.
const uchar* avx2(const uchar* at, const uchar* end, bool utf8, qint64& tegn, bool& afterCr);
bool harAvx2();

namespace {

// The bits set; the processor need not have a population count.
inline int bits(quint64 v) {
    v = v - ((v >> 1) & 0x5555555555555555ULL);
    v = (v & 0x3333333333333333ULL) + ((v >> 2) & 0x3333333333333333ULL);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return int((v * 0x0101010101010101ULL) >> 56);
}

// Counts one block from its masks, one bit a byte: `high` the bytes from 0x80, `lead` and
// `continuing` (only when `high` is not 0) the leads of two-byte characters and the bytes
// that continue one, `cr` and `lf` the line breaks (both 0 when the block has no CR and
// none came before it). Each byte counts but an LF after a CR and a byte that continues a
// character. A block whose characters are all ASCII or of two bytes is taken whole; of
// another, the bytes before the first that is not ASCII. The bytes taken.
inline int tagBlok(quint64 high, quint64 lead, quint64 continuing, quint64 cr, quint64 lf,
                   qint64& tegn, bool& afterCr) {
    int counted = 64;
    // Each lead followed by one continuing byte, the last byte no lead.
    if (high != 0 &&
        ((lead | continuing) != high || continuing != lead << 1 || (lead >> 63) != 0)) {
        counted = __builtin_ctzll(high);
        continuing = 0;
    }
    const quint64 within = counted == 64 ? ~quint64(0) : (quint64(1) << counted) - 1;
    const quint64 pairs = lf & ((cr << 1) | quint64(afterCr)) & within;
    tegn += counted - (pairs == 0 ? 0 : bits(pairs)) - (continuing == 0 ? 0 : bits(continuing));
    if (counted > 0)
        afterCr = (cr >> (counted - 1)) & 1;
    return counted;
}

// The block step over [at, end): `Blok` holds 64 bytes and gives their masks, one bit a byte:
// high() those from 0x80, range() those within two values, bytes() those equal to one, and
// has() whether any is.
template <class Blok>
inline const uchar* tagBlokke(const uchar* at, const uchar* const end, bool utf8, qint64& tegn,
                              bool& afterCr) {
    for (; end - at >= 64;) {
        const Blok b(at);
        const quint64 high = utf8 ? b.high() : 0;
        // Most text has no CR at all: one test says so, and the line feeds need no mask.
        const bool breaks = afterCr || b.has('\r');
        const int counted =
            tagBlok(high, high != 0 ? b.range(0xC2, 0xDF) : 0, high != 0 ? b.range(0x80, 0xBF) : 0,
                    breaks ? b.bytes('\r') : 0, breaks ? b.bytes('\n') : 0, tegn, afterCr);
        at += counted;
        if (counted < 64)
            break;
    }
    return at;
}

} // namespace

} // namespace TegnBlokke
