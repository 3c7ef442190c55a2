#include "rtftekst.h"

#include "platform/textfile.h"

void RtfTekst::feed(QByteArrayView bytes, QString& text) {
    m_text = &text;
    m_tokens.feed(bytes, *this);
    m_text = nullptr;
}

void RtfTekst::put(QChar c) {
    m_newGroup = false;
    if (!m_skip.last())
        m_text->append(c);
}

void RtfTekst::gruppeStart() {
    m_skip.append(m_skip.last());
    m_newGroup = true;
    m_starred = false;
}

void RtfTekst::gruppeSlut() {
    m_skip.removeLast();
    m_newGroup = false;
}

void RtfTekst::kontrolsymbol(char c) {
    if (c == '*') {
        m_starred = true;
        m_newGroup = true; // the destination word follows
        return;
    }
    if (const QChar tegn = RtfTokens::symbolTegn(c); !tegn.isNull())
        put(tegn);
    m_newGroup = false;
}

void RtfTekst::kontrolord(const QByteArray& ord, bool, int) {
    const bool destination = m_newGroup && m_starred;
    m_newGroup = false;
    m_starred = false;
    if (destination || RtfTokens::erSkjult(ord))
        m_skip.last() = true;
    else if (const QChar c = RtfTokens::navngivetTegn(ord); !c.isNull())
        put(c);
}

void RtfTekst::byte(uchar b) {
    put(b < 0x80 ? QLatin1Char(char(b)) : TextFile::fromWindows1252(QByteArray(1, char(b))).at(0));
}

void RtfTekst::unicode(char16_t c) {
    put(QChar(c));
}
