#include "rtflaeser.h"

#include "platform/textfile.h"

#include <QStringDecoder>
#include <QTextDocument>
#include <QTextList>

namespace {

// The code page of a font's \fcharsetN; 0 where the document's code page holds.
int kodesideForTegnsaet(int tegnsaet) {
    static const QHash<int, int> sider = {
        {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950},  {161, 1253}, {162, 1254},
        {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}};
    return sider.value(tegnsaet, 0);
}

QByteArray kodesideNavn(int kodeside) {
    switch (kodeside) {
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    default:
        return kodeside >= 1250 && kodeside <= 1258 && kodeside != 1252
                   ? "windows-" + QByteArray::number(kodeside)
                   : QByteArray("IBM" + QByteArray::number(kodeside));
    }
}

// Bytes of text in a code page; Windows-1252 where the code page is unknown here.
QString dekod(const QByteArray& bytes, int kodeside) {
    if (kodeside != 1252) {
        QStringDecoder decoder(kodesideNavn(kodeside).constData(), QStringDecoder::Flag::Stateless);
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return TextFile::fromWindows1252(bytes);
}

// The marks word processors put before a bulleted paragraph's text.
bool erPrik(QChar c) {
    static const QString prikker = QStringLiteral("\u2022\u00B7\u25CF\u25E6\u25AA\u25A0\u2023"
                                                  "\u2013\u2212\uF0B7\uF0A7\uF076\uF0D8\uF0FC-*o");
    return prikker.contains(c);
}

// Characters QTextDocument gives a meaning of its own (frames, objects): left out.
bool erStyretegn(QChar c) {
    return c == QChar(0xFDD0) || c == QChar(0xFDD1) || c == QChar::ObjectReplacementCharacter;
}

} // namespace

QString RtfLaeser::fontnavn(QString navn) {
    navn.removeIf([](QChar c) {
        return c == QLatin1Char(';') || c.category() == QChar::Other_Control ||
               c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
    return navn.trimmed();
}

void RtfLaeser::laes(const QByteArray& rtf, QTextDocument& dokument) {
    dokument.clear();
    RtfLaeser laeser(dokument);
    RtfTokens tokens;
    tokens.feed(rtf, laeser);
    laeser.afslut();
}

RtfLaeser::RtfLaeser(QTextDocument& dokument) : m_cursor(&dokument) {}

void RtfLaeser::afslut() {
    if (m_afsluttet)
        return;
    bytesUd();
    runUd();
    if (!m_nytAfsnit)
        afsnitsformatTilBlok();
    m_afsluttet = true;
}

int RtfLaeser::kodeside() const {
    const Gruppe& g = m_grupper.last();
    const int font = g.maal == Maal::Fonttabel ? m_fontNr : g.tegn.font >= 0 ? g.tegn.font : m_deff;
    const int side = m_fonte.value(font).kodeside;
    return side != 0 ? side : m_kodeside;
}

QTextCharFormat RtfLaeser::charFormat(const Tegnformat& t) const {
    QTextCharFormat f;
    const QString navn = m_fonte.value(t.font >= 0 ? t.font : m_deff).navn;
    if (!navn.isEmpty())
        f.setFontFamilies({navn});
    f.setFontPointSize(t.halvpunkter / 2.0);
    f.setFontWeight(t.fed ? QFont::Bold : QFont::Normal);
    f.setFontItalic(t.kursiv);
    f.setFontUnderline(t.understreg);
    f.setFontStrikeOut(t.overstreg);
    if (t.farve > 0 && t.farve < m_farver.size() && m_farver.at(t.farve))
        f.setForeground(*m_farver.at(t.farve));
    return f;
}

void RtfLaeser::bytesUd() {
    if (m_bytes.isEmpty())
        return;
    const QString s = dekod(m_bytes, m_bytesKodeside);
    m_bytes.clear();
    ud(s);
}

void RtfLaeser::ud(const QString& s) {
    switch (m_grupper.last().maal) {
    case Maal::Tekst:
        tekst(s);
        break;
    case Maal::Fonttabel:
        m_fontNavn += s;
        break;
    case Maal::Listetekst:
        m_listetekst += s;
        break;
    default:
        break;
    }
}

void RtfLaeser::runUd() {
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, charFormat(m_runFormat));
    m_run.clear();
}

void RtfLaeser::tekst(const QString& s) {
    const Tegnformat& t = m_grupper.last().tegn;
    if (t.skjult || m_afsluttet)
        return;
    for (const QChar c : s) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator) {
            afsnit();
            continue;
        }
        if (erStyretegn(c))
            continue;
        if (m_nytAfsnit) {
            runUd();
            m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            m_nytAfsnit = false;
        }
        if (!m_run.isEmpty() && !(m_runFormat == t))
            runUd();
        m_runFormat = t;
        m_run.append(c);
    }
}

void RtfLaeser::afsnitsformatTilBlok() {
    const Afsnitformat& a = m_grupper.last().afsnit;
    QTextBlockFormat format;
    format.setAlignment(a.justering);
    format.setLeftMargin(a.venstre / 20.0);
    format.setRightMargin(a.hoejre / 20.0);
    format.setTextIndent(a.foerste / 20.0);
    m_cursor.setBlockFormat(format);
    if (!a.prik) {
        m_liste = nullptr;
    } else if (m_liste) {
        m_liste->add(m_cursor.block());
    } else {
        QTextListFormat liste;
        liste.setStyle(QTextListFormat::ListDisc);
        m_liste = m_cursor.createList(liste);
    }
}

void RtfLaeser::afsnit() {
    if (m_afsluttet)
        return;
    if (m_nytAfsnit) {
        runUd();
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    runUd();
    afsnitsformatTilBlok();
    m_nytAfsnit = true;
}

void RtfLaeser::afsnitI(Maal maal) {
    if (maal == Maal::Tekst)
        afsnit(); // a list's mark ends with its group, not with a paragraph
}

void RtfLaeser::fontSlut() {
    m_fonte[m_fontNr].navn = fontnavn(m_fontNavn);
    m_fontNavn.clear();
}

void RtfLaeser::listetekstSlut(const QString& listetekst) {
    const QString mark = listetekst.trimmed();
    if (!mark.isEmpty() && erPrik(mark.at(0)))
        m_grupper.last().afsnit.prik = true;
    else
        tekst(listetekst); // a number or letter of a numbered list stays as text
}

void RtfLaeser::gruppeStart() {
    bytesUd();
    m_grupper.append(m_grupper.last());
    m_nyGruppe = true;
    m_stjerne = false;
}

void RtfLaeser::gruppeSlut() {
    bytesUd();
    m_nyGruppe = false;
    if (m_grupper.size() == 2)
        afslut(); // the document's own group
    const Gruppe lukket = m_grupper.takeLast();
    if (lukket.maal == Maal::Fonttabel && !m_fontNavn.isEmpty())
        fontSlut();
    if (lukket.maal == Maal::Listetekst && m_grupper.last().maal != Maal::Listetekst) {
        listetekstSlut(m_listetekst);
        m_listetekst.clear();
    }
}

bool RtfLaeser::destination(const QByteArray& ord) {
    Gruppe& g = m_grupper.last();
    if (ord == "fonttbl")
        g.maal = Maal::Fonttabel;
    else if (ord == "colortbl")
        g.maal = Maal::Farvetabel;
    else if (ord == "listtext" || ord == "pntext")
        g.maal = Maal::Listetekst;
    else if (m_stjerne || RtfTokens::erSkjult(ord))
        g.maal = Maal::Skjult;
    else
        return false;
    return true;
}

bool RtfLaeser::tegnord(const QByteArray& ord, bool harParameter, int parameter) {
    Tegnformat& t = m_grupper.last().tegn;
    const bool til = !harParameter || parameter != 0;
    if (ord == "plain")
        t = Tegnformat();
    else if (ord == "f")
        t.font = parameter;
    else if (ord == "fs")
        t.halvpunkter = harParameter && parameter > 0 ? qMin(parameter, 3276) : 24;
    else if (ord == "b")
        t.fed = til;
    else if (ord == "i")
        t.kursiv = til;
    else if (ord == "ulnone")
        t.understreg = false;
    else if (ord.startsWith("ul") && ord != "ulc")
        t.understreg = til; // \ul and its dotted, double, wavy ... kinds
    else if (ord == "strike" || ord == "striked")
        t.overstreg = til;
    else if (ord == "cf")
        t.farve = parameter;
    else if (ord == "v")
        t.skjult = til;
    else
        return false;
    return true;
}

bool RtfLaeser::afsnitord(const QByteArray& ord, int parameter) {
    Afsnitformat& a = m_grupper.last().afsnit;
    if (ord == "pard")
        a = Afsnitformat();
    else if (ord == "ql")
        a.justering = Qt::AlignLeft;
    else if (ord == "qc")
        a.justering = Qt::AlignHCenter;
    else if (ord == "qr")
        a.justering = Qt::AlignRight;
    else if (ord == "qj")
        a.justering = Qt::AlignJustify;
    else if (ord == "li" || ord == "lin")
        a.venstre = parameter;
    else if (ord == "ri" || ord == "rin")
        a.hoejre = parameter;
    else if (ord == "fi")
        a.foerste = parameter;
    else
        return false;
    return true;
}

void RtfLaeser::tabelord(const QByteArray& ord, int parameter) {
    if (m_grupper.last().maal == Maal::Fonttabel) {
        if (ord == "f") {
            m_fontNr = parameter;
            m_fontNavn.clear();
        } else if (ord == "fcharset") {
            m_fonte[m_fontNr].kodeside = kodesideForTegnsaet(parameter);
        }
        return;
    }
    const int vaerdi = qBound(0, parameter, 255);
    if (ord == "red")
        m_roed = vaerdi;
    else if (ord == "green")
        m_groen = vaerdi;
    else if (ord == "blue")
        m_blaa = vaerdi;
}

void RtfLaeser::kontrolord(const QByteArray& ord, bool harParameter, int parameter) {
    bytesUd();
    const bool foerste = m_nyGruppe;
    m_nyGruppe = false;
    if ((foerste || m_stjerne) && destination(ord)) {
        m_stjerne = false;
        return;
    }
    m_stjerne = false;
    const Maal maal = m_grupper.last().maal;
    if (maal == Maal::Skjult)
        return;
    if (maal == Maal::Fonttabel || maal == Maal::Farvetabel) {
        tabelord(ord, parameter);
        return;
    }
    if (RtfTokens::erSkjult(ord)) {
        m_grupper.last().maal = Maal::Skjult;
        return;
    }
    if (ord == "ansicpg" && parameter > 0)
        m_kodeside = parameter;
    else if (ord == "mac")
        m_kodeside = 10000;
    else if (ord == "pc")
        m_kodeside = 437;
    else if (ord == "pca")
        m_kodeside = 850;
    else if (ord == "deff")
        m_deff = parameter;
    else if (ord == "par" || ord == "sect" || ord == "page" || ord == "row")
        afsnitI(maal);
    else if (ord == "line")
        ud(QString(QChar::LineSeparator));
    else if (ord == "tab" || ord == "cell")
        ud(QStringLiteral("\t"));
    else if (tegnord(ord, harParameter, parameter) || afsnitord(ord, parameter))
        return;
    else if (const QChar c = RtfTokens::navngivetTegn(ord); !c.isNull())
        ud(QString(c));
}

void RtfLaeser::kontrolsymbol(char c) {
    bytesUd();
    if (c == '*') {
        m_stjerne = true;
        return;
    }
    m_nyGruppe = false;
    const Maal maal = m_grupper.last().maal;
    if (maal == Maal::Skjult || maal == Maal::Farvetabel)
        return;
    const QChar tegn = RtfTokens::symbolTegn(c);
    if (tegn == QLatin1Char('\n'))
        afsnitI(maal);
    else if (!tegn.isNull())
        unicode(tegn.unicode());
}

void RtfLaeser::byte(uchar b) {
    m_nyGruppe = false;
    Gruppe& g = m_grupper.last();
    if (g.maal == Maal::Fonttabel && b == ';') {
        bytesUd();
        fontSlut();
        return;
    }
    if (g.maal == Maal::Farvetabel) {
        if (b == ';') {
            m_farver.append(m_roed < 0 && m_groen < 0 && m_blaa < 0
                                ? std::nullopt
                                : std::optional<QColor>(
                                      QColor(qMax(0, m_roed), qMax(0, m_groen), qMax(0, m_blaa))));
            m_roed = m_groen = m_blaa = -1;
        }
        return;
    }
    if (g.maal == Maal::Skjult)
        return;
    const int side = kodeside();
    if (!m_bytes.isEmpty() && side != m_bytesKodeside)
        bytesUd();
    m_bytesKodeside = side;
    m_bytes.append(char(b));
}

void RtfLaeser::unicode(char16_t c) {
    bytesUd();
    m_nyGruppe = false;
    ud(QString(QChar(c)));
}
