#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QStringList>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextFragment;

// Writes a QTextDocument as rich text (RTF) with what RtfLaeser reads back: each fragment's
// font, size, bold, italic, underline, strike-out and colour; each paragraph's alignment,
// indents and bullet; line breaks and tabs. Text the document's default font shows is
// written in that font, so the file shows what the window showed. The result is plain ASCII:
// Windows-1252 characters as \'hh, every other character as \uN with "?" as fallback.
class RtfSkriver {
public:
    static QByteArray skriv(const QTextDocument& dokument);

private:
    explicit RtfSkriver(const QTextDocument& dokument);
    QByteArray dokument();
    QByteArray afsnit(const QTextBlock& blok);
    QByteArray fragment(const QTextFragment& fragment);
    int fontNr(const QTextCharFormat& format);
    int farveNr(const QTextCharFormat& format);

    const QTextDocument& m_dokument;
    QStringList m_fonte;
    QList<QColor> m_farver;
    bool m_prikker = false;
};
