#include "raautf8.h"

#include "platform/textfile.h"

namespace {

constexpr char16_t kForsteRaa = 0xDC80;

// The length of the valid sequence at `i`, 0 when the byte there begins none (an overlong
// form, a surrogate, a value past U+10FFFF, or a sequence cut short).
int laengdeVed(QByteArrayView b, qsizetype i) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(b[k]); };
    const unsigned char c = at(i);
    const auto fortsat = [&](qsizetype k, unsigned char lav = 0x80, unsigned char hoej = 0xBF) {
        return k < b.size() && at(k) >= lav && at(k) <= hoej;
    };
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return fortsat(i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const unsigned char lav = c == 0xE0 ? 0xA0 : 0x80, hoej = c == 0xED ? 0x9F : 0xBF;
        return fortsat(i + 1, lav, hoej) && fortsat(i + 2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const unsigned char lav = c == 0xF0 ? 0x90 : 0x80, hoej = c == 0xF4 ? 0x8F : 0xBF;
        return fortsat(i + 1, lav, hoej) && fortsat(i + 2) && fortsat(i + 3) ? 4 : 0;
    }
    return 0;
}

bool erRaa(QChar c) {
    return c.unicode() >= kForsteRaa && c.unicode() <= 0xDCFF;
}

} // namespace

QString RaaUtf8::afkod(QByteArrayView bytes) {
    QString tekst;
    tekst.reserve(bytes.size());
    qsizetype start = 0; // the valid run not yet decoded
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int n = laengdeVed(bytes, i);
        if (n > 0) {
            i += n;
            continue;
        }
        tekst += TextFile::fromUtf8(bytes.sliced(start, i - start));
        tekst += QChar(char16_t(kForsteRaa + (static_cast<unsigned char>(bytes[i]) - 0x80)));
        start = ++i;
    }
    tekst += TextFile::fromUtf8(bytes.sliced(start));
    return tekst;
}

QByteArray RaaUtf8::kod(const QString& tekst) {
    QByteArray bytes;
    bytes.reserve(tekst.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        // A surrogate pair's low half follows its high half; only a lone one stands for a byte.
        if (!erRaa(tekst.at(i)) || (i > 0 && tekst.at(i - 1).isHighSurrogate()))
            continue;
        bytes += QStringView(tekst).sliced(start, i - start).toUtf8();
        bytes += char(0x80 + (tekst.at(i).unicode() - kForsteRaa));
        start = i + 1;
    }
    bytes += QStringView(tekst).sliced(start).toUtf8();
    return bytes;
}
