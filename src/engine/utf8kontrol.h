#pragma once

#include <QByteArrayView>

// Tells whether bytes handed over in parts of any size are UTF-8 exactly as strictly as
// the decoder takes them: no overlong forms, no surrogates, nothing above U+10FFFF.
class Utf8Kontrol {
public:
    // False once the bytes so far cannot begin valid UTF-8.
    bool feed(QByteArrayView bytes);
    // Whether the bytes fed end where a character ends.
    bool complete() const { return m_need == 0; }

private:
    int m_need = 0; // continuation bytes still due
    uchar m_low = 0x80;
    uchar m_high = 0xBF; // the range the next continuation byte must lie in
};
