#pragma once

#include <QByteArrayView>

// Counts the characters of text handed over in parts of any size, as the editor counts
// them: UTF-16 units, a CR LF line break one. Text in UTF-8 is checked as it is counted,
// exactly as strictly as the decoder takes it (no overlong forms, no surrogates, nothing
// above U+10FFFF); text in a single-byte encoding has one character for each byte.
class Tegntaeller {
public:
    explicit Tegntaeller(bool utf8) : m_utf8(utf8) {}

    // Counts the bytes; false (UTF-8 only) once the bytes so far cannot begin valid UTF-8.
    bool feed(QByteArrayView bytes);
    // Whether the bytes fed end where a character ends.
    bool complete() const { return m_need == 0; }
    // The characters of the bytes fed so far; a character is counted at its first byte.
    qint64 tegn() const { return m_tegn; }

private:
    // One byte that is not plain ASCII, or that continues a character; false when invalid.
    bool byte(uchar b);
#ifdef __SSE2__
    // Counts 64 bytes at a time from `at`, where no character is begun, up to a block it
    // cannot take whole, with the widest kernel of tegnblokke.h the processor has; where it
    // stopped.
    const uchar* blocks(const uchar* at, const uchar* end);
#endif

    bool m_utf8;
    qint64 m_tegn = 0;
    bool m_afterCr = false;
    int m_need = 0; // continuation bytes still due
    uchar m_low = 0x80;
    uchar m_high = 0xBF; // the range the next continuation byte must lie in
};
