#include "kodelaeser.h"

#include "kodeliste.h"
#include "koderegler.h"
#include "kodetrae.h"

namespace {

bool erBogstav(QChar c) {
    return c.unicode() < 128 && c.isLetter();
}

} // namespace

Kodelaeser::Kodelaeser(const Lister& lister, Kodetrae& trae) : m_lister(lister), m_trae(trae) {}

void Kodelaeser::laes(QStringView tekst, const std::function<void(int)>& fremskridt) {
    m_tekst = tekst;
    m_sidsteCitat = tekst.lastIndexOf(QLatin1Char('"'));
    m_sidsteApostrof = tekst.lastIndexOf(QLatin1Char('\''));
    m_aktuel = 0;
    m_aabne.clear();
    m_lukbare.clear();
    m_graenser.clear();
    m_antal.clear();
    // At most one node a "<".
    m_trae.reserver(tekst.count(QLatin1Char('<')) + m_trae.antal());

    const qsizetype n = tekst.size();
    int procent = 0;
    qsizetype i = 0;
    while ((i = tekst.indexOf(QLatin1Char('<'), i)) >= 0 && i + 1 < n) {
        if (fremskridt && i * 100 / n > procent) {
            procent = int(i * 100 / n);
            fremskridt(procent);
        }
        const QChar efter = tekst[i + 1];
        if (efter == QLatin1Char('!') || efter == QLatin1Char('?')) {
            i = efterErklaering(i);
            continue;
        }
        const bool slut = efter == QLatin1Char('/');
        const qsizetype start = i + (slut ? 2 : 1);
        if (start == n)
            break;
        if (!erBogstav(tekst[start])) {
            // "<" before anything but a letter is text; "</>" is dropped, and "</" before
            // anything else but a letter is a comment up to the next ">".
            if (slut) {
                const qsizetype vinkel = tekst.indexOf(QLatin1Char('>'), start);
                i = vinkel < 0 ? n : vinkel + 1;
            } else {
                ++i;
            }
            continue;
        }
        qsizetype j = start;
        while (j < n) {
            const QChar c = tekst[j];
            if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('>') ||
                c == QLatin1Char('<'))
                break;
            ++j;
        }
        if (j == n)
            break; // the name never ended: no tag
        if (tekst[j] == QLatin1Char('<')) {
            i = j;
            continue;
        }
        const QStringView navn = tekst.sliced(start, j - start);
        const Attributter attr = attributter(j);
        const qsizetype tagPos = i;
        i = attr.slut;
        if (slut)
            slutkode(tagPos, navn);
        else if (starttag(tagPos, navn, attr))
            i = raatekstSlut(i, m_aabne.last().noegle);
        tekstEfter(i);
    }
    lukFra(0);
}

Kodelaeser::Attributter Kodelaeser::attributter(qsizetype fra) const {
    // The names of the attributes up to the tag's ">", each followed by a space: values,
    // quoted or not, are left out. A name begins after white space, a "/" or a quoted value.
    Attributter a;
    bool iOrd = false;         // where a name may be or is
    bool ordTegn = false;      // the name has characters
    bool venterVaerdi = false; // after "=", before the value
    bool iVaerdi = false;      // inside an unquoted value
    bool skraa = false;        // the last sign was a "/" outside a value
    bool afventer = false;     // a name ended at a "/": its space comes before the next one
    auto nytOrd = [&] {
        if ((iOrd && ordTegn) || afventer)
            a.liste += QLatin1Char(' ');
        afventer = false;
        iOrd = true;
        ordTegn = venterVaerdi = iVaerdi = skraa = false;
    };
    const qsizetype n = m_tekst.size();
    a.slut = n;
    for (qsizetype j = fra; j < n; ++j) {
        const QChar c = m_tekst[j];
        // A quote begins a value only right after "="; elsewhere it is part of a name.
        if ((c == QLatin1Char('"') || c == QLatin1Char('\'')) && venterVaerdi && !iVaerdi) {
            const qsizetype sidste = c == QLatin1Char('"') ? m_sidsteCitat : m_sidsteApostrof;
            if (j >= sidste)
                break; // a quote that never ends
            j = m_tekst.indexOf(c, j + 1);
            nytOrd();
            continue;
        }
        if (c == QLatin1Char('>')) {
            if (!a.liste.isEmpty())
                a.liste += QLatin1Char(' ');
            a.selvlukket = skraa;
            a.slut = j + 1;
            break;
        }
        if (c == QLatin1Char('<')) {
            a.slut = j; // the tag was never closed
            break;
        }
        if (c.isSpace()) {
            if (!venterVaerdi || iVaerdi)
                nytOrd();
            continue;
        }
        if (c == QLatin1Char('=') && !iVaerdi) {
            iOrd = ordTegn = skraa = afventer = false;
            a.liste += QLatin1Char(' ');
            venterVaerdi = true;
            continue;
        }
        if (c == QLatin1Char('/') && !iVaerdi) {
            afventer = afventer || (iOrd && ordTegn);
            iOrd = true;
            ordTegn = venterVaerdi = false;
            skraa = true;
            continue;
        }
        skraa = false;
        if (venterVaerdi) {
            iVaerdi = true;
        } else if (iOrd) {
            if (afventer)
                a.liste += QLatin1Char(' ');
            afventer = false;
            a.liste += c;
            ordTegn = true;
        }
    }
    return a;
}

qsizetype Kodelaeser::efterErklaering(qsizetype i) const {
    const qsizetype n = m_tekst.size();
    const QStringView fra = m_tekst.sliced(i);
    if (fra.startsWith(u"<!--")) {
        // A comment ends at "-->" or "--!>"; "<!-->" and "<!--->" are empty ones.
        const qsizetype k = i + 4;
        if (k < n && m_tekst[k] == QLatin1Char('>'))
            return k + 1;
        if (m_tekst.sliced(k).startsWith(u"->"))
            return k + 2;
        for (qsizetype e = m_tekst.indexOf(u"--", k); e >= 0; e = m_tekst.indexOf(u"--", e + 1)) {
            const QStringView rest = m_tekst.sliced(e + 2);
            if (rest.startsWith(QLatin1Char('>')))
                return e + 3;
            if (rest.startsWith(u"!>"))
                return e + 4;
        }
        return n;
    }
    if (!m_aabne.isEmpty() && m_aabne.last().rum != Navnerum::Html &&
        fra.startsWith(u"<![CDATA[")) {
        const qsizetype e = m_tekst.indexOf(u"]]>", i + 9);
        return e < 0 ? n : e + 3;
    }
    // A declaration, a processing instruction or the like: up to the next ">".
    const qsizetype e = m_tekst.indexOf(QLatin1Char('>'), i + 2);
    return e < 0 ? n : e + 1;
}

qsizetype Kodelaeser::raatekstSlut(qsizetype fra, const QString& noegle) const {
    const qsizetype n = m_tekst.size();
    const qsizetype l = noegle.size();
    for (qsizetype k = m_tekst.indexOf(u"</", fra); k >= 0; k = m_tekst.indexOf(u"</", k + 2)) {
        const qsizetype e = k + 2 + l;
        if (e > n || m_tekst.sliced(k + 2, l).compare(noegle, Qt::CaseInsensitive) != 0)
            continue;
        if (e == n || m_tekst[e].isSpace() || m_tekst[e] == QLatin1Char('/') ||
            m_tekst[e] == QLatin1Char('>'))
            return k;
    }
    return n;
}

bool Kodelaeser::starttag(qsizetype tagPos, QStringView navn, const Attributter& attr) {
    const QString noegle = navn.toString().toLower();
    if (m_lister.exclude.harSmaa(noegle))
        return false;
    const Navnerum rum = rumForNyt(noegle);
    if (rum == Navnerum::Html) {
        if (m_lister.nosluttag.harSmaa(noegle)) {
            tilfoej(m_aktuel, navn, tagPos, 1, attr.liste, rum);
            return false;
        }
        lukImplicit(noegle);
    }
    // "/>" closes an SVG or MathML element; HTML reads it as a plain ">".
    const bool lukket = attr.selvlukket && rum != Navnerum::Html;
    const int knude = tilfoej(m_aktuel, navn, tagPos, lukket ? 1 : 0, attr.liste, rum);
    if (lukket)
        return false;
    aabn(knude, noegle, rum);
    return rum == Navnerum::Html && m_lister.regler.raatekst().harSmaa(noegle);
}

void Kodelaeser::slutkode(qsizetype tagPos, QStringView navn) {
    const QString noegle = navn.toString().toLower();
    if (m_lister.exclude.harSmaa(noegle))
        return;
    if (m_lister.nosluttag.harSmaa(noegle)) {
        tilfoej(m_aktuel, navn, tagPos, 1, QString(), m_trae.rum(m_aktuel));
        return;
    }
    const Koderegler& regler = m_lister.regler;
    // A special element's end tag reaches to the scope's bounds, any other to the nearest
    // special element.
    const Kodeliste& graense =
        regler.saerlige().harSmaa(noegle) ? regler.omfang(noegle) : regler.saerlige();
    qsizetype plads = m_antal.value(noegle) > 0 ? m_aabne.size() - 1 : -1;
    for (; plads >= 0; --plads) {
        const Aaben& e = m_aabne[plads];
        if (e.noegle == noegle)
            break;
        if (e.rum == Navnerum::Html && graense.harSmaa(e.noegle)) {
            plads = -1;
            break;
        }
    }
    const QString tekst = QLatin1Char('/') + navn.toString();
    if (plads < 0) {
        // The end tag of an element the page implied, as it never wrote its start tag (a
        // table's body, the page's body), is in its place; any other is one too many.
        const bool implicit =
            !m_antal.contains(noegle) && regler.valgfriStartkode().harSmaa(noegle);
        tilfoej(m_aktuel, tekst, tagPos, implicit ? 1 : 3, QString(), m_trae.rum(m_aktuel));
        return;
    }
    const int gammel = m_aktuel;
    const Aaben lukkes = m_aabne[plads];
    m_trae.setTagEnd(lukkes.knude, 1);
    lukFra(plads);
    tilfoej(m_trae.foraelder(gammel), tekst, tagPos, 1, QString(), lukkes.rum);
}

void Kodelaeser::tekstEfter(qsizetype fra) {
    // Only an open element that a start tag may close can be closed by text.
    if (m_lukbare.isEmpty() || m_lukbare.last() != m_aabne.size() - 1)
        return;
    static const QString kTekst = QStringLiteral("#text");
    if (!m_lister.regler.lukkes(m_aabne.last().noegle).harSmaa(kTekst))
        return;
    for (qsizetype k = fra; k < m_tekst.size() && m_tekst[k] != QLatin1Char('<'); ++k)
        if (!m_tekst[k].isSpace()) {
            lukImplicit(kTekst);
            return;
        }
}

void Kodelaeser::lukImplicit(const QString& noegle) {
    // The open elements above the nearest one that stops the search, and that one itself.
    // Closing one may leave another that the tag closes as well (a <tbody> closes an open
    // cell, then its row, then the table head).
    bool lukket = true;
    while (lukket) {
        lukket = false;
        const qsizetype graense = m_graenser.isEmpty() ? 0 : m_graenser.last();
        for (qsizetype k = m_lukbare.size() - 1; k >= 0 && m_lukbare[k] >= graense; --k) {
            const qsizetype plads = m_lukbare[k];
            if (m_lister.regler.lukkes(m_aabne[plads].noegle).harSmaa(noegle)) {
                lukFra(plads);
                lukket = true;
                break;
            }
        }
    }
}

void Kodelaeser::aabn(int knude, const QString& noegle, Navnerum rum) {
    const Koderegler& regler = m_lister.regler;
    const qsizetype plads = m_aabne.size();
    m_aabne.append({knude, noegle, rum});
    ++m_antal[noegle];
    if (rum != Navnerum::Html ||
        (regler.saerlige().harSmaa(noegle) && !regler.gennemsigtige().harSmaa(noegle)))
        m_graenser.append(plads);
    if (rum == Navnerum::Html && regler.lukkes(noegle).count() > 0)
        m_lukbare.append(plads);
    m_aktuel = knude;
}

void Kodelaeser::lukFra(qsizetype plads) {
    const Kodeliste& valgfri = m_lister.regler.valgfriSlutkode();
    for (qsizetype k = plads; k < m_aabne.size(); ++k) {
        const Aaben& e = m_aabne[k];
        if (e.rum == Navnerum::Html && valgfri.harSmaa(e.noegle))
            m_trae.setTagEnd(e.knude, 1);
        --m_antal[e.noegle];
    }
    m_aabne.resize(plads);
    while (!m_lukbare.isEmpty() && m_lukbare.last() >= plads)
        m_lukbare.removeLast();
    while (!m_graenser.isEmpty() && m_graenser.last() >= plads)
        m_graenser.removeLast();
    // With nothing open the current node stays where it is.
    if (!m_aabne.isEmpty())
        m_aktuel = m_aabne.last().knude;
}

Navnerum Kodelaeser::rumForNyt(const QString& noegle) const {
    const Koderegler& regler = m_lister.regler;
    Navnerum rum = Navnerum::Html;
    if (!m_aabne.isEmpty()) {
        const Aaben& top = m_aabne.last();
        if (!regler.integration().harSmaa(top.noegle))
            rum = top.rum;
    }
    if (rum == Navnerum::Html && regler.fremmede().harSmaa(noegle))
        return regler.svg().harSmaa(noegle) ? Navnerum::Svg : Navnerum::MathML;
    return rum;
}

int Kodelaeser::tilfoej(int foraelder, QStringView navn, qsizetype tagPos, quint8 tagEnd,
                        const QString& attrListe, Navnerum rum) {
    TData data;
    data.Index = int(tagPos);
    data.TagEnd = tagEnd;
    data.AttrListe = attrListe;
    return m_trae.tilfoej(foraelder, navn.toString(), data, rum);
}
