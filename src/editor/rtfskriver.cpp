#include "rtfskriver.h"

#include "platform/textfile.h"
#include "rtflaeser.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace {

// Text as RTF: the characters that are syntax escaped, the rest of Windows-1252 as \'hh
// and everything else as \uN with "?" for readers without Unicode.
QByteArray tekst(const QString& s) {
    QByteArray ud;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            ud += '\\';
            ud += char(u);
        } else if (u == '\t') {
            ud += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            ud += "\\line ";
        } else if (u >= 0x20 && u < 0x7F) {
            ud += char(u);
        } else if (const auto byte = TextFile::toWindows1252(QString(c))) {
            ud += "\\'" + byte->toHex();
        } else {
            ud += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return ud;
}

QString familie(const QTextCharFormat& format, const QTextDocument& dokument) {
    const QStringList familier = format.fontFamilies().toStringList();
    if (!familier.isEmpty() && !familier.first().isEmpty())
        return familier.first();
    return dokument.defaultFont().family();
}

int halvpunkter(const QTextCharFormat& format, const QTextDocument& dokument) {
    const qreal punkter = format.hasProperty(QTextFormat::FontPointSize)
                              ? format.fontPointSize()
                              : dokument.defaultFont().pointSizeF();
    return punkter > 0 ? qRound(punkter * 2) : 24;
}

int twips(qreal punkter) {
    return qRound(punkter * 20);
}

QByteArray ord(const char* navn, int vaerdi) {
    return QByteArray("\\") + navn + QByteArray::number(vaerdi);
}

} // namespace

QByteArray RtfSkriver::skriv(const QTextDocument& dokument) {
    return RtfSkriver(dokument).dokument();
}

RtfSkriver::RtfSkriver(const QTextDocument& dokument) : m_dokument(dokument) {
    m_fonte.append(RtfLaeser::fontnavn(m_dokument.defaultFont().family()));
}

int RtfSkriver::fontNr(const QTextCharFormat& format) {
    const QString navn = RtfLaeser::fontnavn(familie(format, m_dokument));
    qsizetype nr = m_fonte.indexOf(navn);
    if (nr < 0) {
        nr = m_fonte.size();
        m_fonte.append(navn);
    }
    return int(nr);
}

int RtfSkriver::farveNr(const QTextCharFormat& format) {
    if (!format.hasProperty(QTextFormat::ForegroundBrush) ||
        format.foreground().style() == Qt::NoBrush)
        return 0; // the reader's own colour
    const QColor farve = format.foreground().color().toRgb();
    qsizetype nr = m_farver.indexOf(farve);
    if (nr < 0) {
        nr = m_farver.size();
        m_farver.append(farve);
    }
    return int(nr + 1);
}

QByteArray RtfSkriver::fragment(const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    QByteArray ud = "{" + ord("f", fontNr(format)) + ord("fs", halvpunkter(format, m_dokument));
    if (format.fontWeight() >= QFont::DemiBold)
        ud += "\\b";
    if (format.fontItalic())
        ud += "\\i";
    if (format.fontUnderline())
        ud += "\\ul";
    if (format.fontStrikeOut())
        ud += "\\strike";
    if (const int farve = farveNr(format); farve > 0)
        ud += ord("cf", farve);
    QString s = fragment.text();
    s.remove(QChar::ObjectReplacementCharacter); // pictures are not written
    return ud + ' ' + tekst(s) + '}';
}

QByteArray RtfSkriver::afsnit(const QTextBlock& blok) {
    const QTextBlockFormat format = blok.blockFormat();
    QByteArray ud = "\\pard\\plain";
    if (blok.textList()) {
        m_prikker = true;
        ud += "\\ls1{\\listtext\\'95\\tab}";
    }
    const Qt::Alignment justering = format.alignment();
    ud += justering & Qt::AlignHCenter   ? "\\qc"
          : justering & Qt::AlignRight   ? "\\qr"
          : justering & Qt::AlignJustify ? "\\qj"
                                         : "\\ql";
    ud += ord("li", twips(format.leftMargin())) + ord("ri", twips(format.rightMargin())) +
          ord("fi", twips(format.textIndent()));
    for (auto it = blok.begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid())
            ud += fragment(it.fragment());
    return ud + "\\par\n";
}

QByteArray RtfSkriver::dokument() {
    // The paragraphs first: they fill the font and colour tables written before them.
    QByteArray tekstdel;
    for (QTextBlock blok = m_dokument.begin(); blok.isValid(); blok = blok.next())
        tekstdel += afsnit(blok);

    QByteArray ud = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonte.size(); ++i)
        ud += "{" + ord("f", int(i)) + "\\fnil\\fcharset0 " + tekst(m_fonte.at(i)) + ";}";
    ud += "}\n{\\colortbl;";
    for (const QColor& farve : m_farver)
        ud +=
            ord("red", farve.red()) + ord("green", farve.green()) + ord("blue", farve.blue()) + ';';
    ud += "}\n";
    if (m_prikker)
        ud += "{\\*\\listtable{\\list\\listtemplateid1\\listsimple{\\listlevel\\levelnfc23"
              "\\levelnfcn23\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0"
              "\\levelindent0{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}\\fi-360\\li720}"
              "{\\listname ;}\\listid1}}\n"
              "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\n";
    return ud + tekstdel + "}\n";
}
