#pragma once

#include "rtftokens.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// The plain text of a rich text (RTF) document, read in parts of any size: paragraphs and
// line breaks become "\n", tabs "\t"; font, colour and style tables, pictures, field codes
// and other ignorable destinations give nothing. Bytes written as \'hh are Windows-1252;
// \uN gives its character and skips the \ucN fallback characters after it.
class RtfTekst : private RtfTokens::Lytter {
public:
    // Appends the text of the next bytes of the document to `text`.
    void feed(QByteArrayView bytes, QString& text);

private:
    void gruppeStart() override;
    void gruppeSlut() override;
    void kontrolord(const QByteArray& ord, bool harParameter, int parameter) override;
    void kontrolsymbol(char c) override;
    void byte(uchar b) override;
    void unicode(char16_t c) override;
    void put(QChar c);

    RtfTokens m_tokens;
    QString* m_text = nullptr;
    QList<bool> m_skip{false}; // per open group: an ignorable destination, its text not shown
    bool m_newGroup = false;   // no control word yet in the group just opened
    bool m_starred = false;    // the group began with \*
};
