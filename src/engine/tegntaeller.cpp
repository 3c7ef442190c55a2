#include "tegntaeller.h"

#include "tegnblokke.h"

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
const uchar* Tegntaeller::blocks(const uchar* at, const uchar* end) {
    static const bool avx2 = TegnBlokke::harAvx2();
    return avx2 ? TegnBlokke::avx2(at, end, m_utf8, m_tegn, m_afterCr)
                : TegnBlokke::sse2(at, end, m_utf8, m_tegn, m_afterCr);
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
