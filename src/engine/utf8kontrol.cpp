#include "utf8kontrol.h"

#include <QtEndian>

#include <cstring>

bool Utf8Kontrol::feed(QByteArrayView bytes) {
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = at + bytes.size();
    while (at < end) {
        if (m_need > 0) {
            const uchar b = *at++;
            if (b < m_low || b > m_high)
                return false;
            m_low = 0x80;
            m_high = 0xBF;
            --m_need;
            continue;
        }
        // Plain ASCII eight bytes at a time, up to the first byte that is not.
        for (quint64 word; end - at >= 8;) {
            std::memcpy(&word, at, 8);
            word = qFromLittleEndian(word) & 0x8080808080808080ULL;
            if (word != 0) {
                at += qCountTrailingZeroBits(word) / 8;
                break;
            }
            at += 8;
        }
        if (at == end)
            break;
        const uchar b = *at++;
        if (b < 0x80)
            continue;
        if (b < 0xC2 || b > 0xF4)
            return false;
        m_need = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
        m_low = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        m_high = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
    }
    return true;
}
