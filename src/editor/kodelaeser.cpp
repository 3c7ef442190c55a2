#include "kodelaeser.h"

#include "kodeliste.h"
#include "kodetrae.h"

namespace {

bool erScriptEllerStyle(const QString& noegle) {
    return noegle == QLatin1String("script") || noegle == QLatin1String("style");
}

} // namespace

Kodelaeser::Kodelaeser(const Lister& lister, Kodetrae& trae) : m_lister(lister), m_trae(trae) {}

void Kodelaeser::laes(QStringView tekst, const std::function<void(int)>& fremskridt) {
    m_tekst = tekst;
    m_sidsteCitat = tekst.lastIndexOf(QLatin1Char('"'));
    m_sidsteApostrof = tekst.lastIndexOf(QLatin1Char('\''));
    m_aktuel = 0;
    m_iScript = false;
    m_noegle = QList<QString>(m_trae.antal());
    m_forrige = QList<int>(m_trae.antal(), -1);
    m_naeste = QList<int>(m_trae.antal(), -1);
    m_foersteAaben = m_sidsteAaben = -1;
    // At most one node a "<".
    const qsizetype vinkler = tekst.count(QLatin1Char('<')) + m_trae.antal();
    m_trae.reserver(vinkler);
    m_noegle.reserve(vinkler);
    m_forrige.reserve(vinkler);
    m_naeste.reserve(vinkler);

    const qsizetype n = tekst.size();
    int procent = 0;
    qsizetype i = 0;
    while ((i = tekst.indexOf(QLatin1Char('<'), i)) >= 0 && i + 1 < n) {
        if (fremskridt && i * 100 / n > procent) {
            procent = int(i * 100 / n);
            fremskridt(procent);
        }
        const QChar efter = tekst[i + 1];
        const bool slutkode = efter == QLatin1Char('/');
        if (!slutkode && (efter.isSpace() || QStringView(u"!%-<>?").contains(efter))) {
            ++i; // a comment, declaration, server code or stray sign: no tag
            continue;
        }
        const qsizetype start = i + (slutkode ? 2 : 1);
        qsizetype j = start;
        while (j < n) {
            const QChar c = tekst[j];
            if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('>') ||
                c == QLatin1Char('<'))
                break;
            ++j;
        }
        if (j == n || tekst[j] == QLatin1Char('<')) {
            i = j; // the name never ended: no tag
            continue;
        }
        tagFundet(i, tekst.sliced(start, j - start), slutkode, j);
        i = j + 1;
    }
}

void Kodelaeser::tagFundet(qsizetype tagPos, QStringView navn, bool slutkode, qsizetype navneSlut) {
    const QString noegle = navn.toString().toLower();
    if (m_lister.exclude.harSmaa(noegle))
        return;
    if (m_lister.nosluttag.harSmaa(noegle)) {
        tilfoej(m_aktuel, navn, noegle, tagPos, 1, attributter(navneSlut).liste);
        return;
    }
    const bool kendt = m_lister.tag.harSmaa(noegle);
    if (!kendt && m_iScript)
        return; // script text that looks like a tag
    if (slutkode) {
        luk(tagPos, navn, noegle);
        if (kendt && erScriptEllerStyle(noegle))
            m_iScript = false;
        return;
    }
    const Attributter attr = attributter(navneSlut);
    if (attr.selvlukket) {
        tilfoej(m_aktuel, navn, noegle, tagPos, 1, attr.liste);
        return;
    }
    const int knude = tilfoej(m_aktuel, navn, noegle, tagPos, 0, attr.liste);
    indsaetAaben(knude);
    m_aktuel = knude;
    if (kendt && erScriptEllerStyle(noegle))
        m_iScript = true;
}

Kodelaeser::Attributter Kodelaeser::attributter(qsizetype fra) const {
    // The names of the attributes up to the tag's ">": values, quoted or not, are left out.
    Attributter a;
    bool iOrd = false;         // inside an attribute name
    bool venterVaerdi = false; // after "=", before the value
    bool iVaerdi = false;      // inside an unquoted value
    bool skraa = false;        // the last sign was a "/" outside a value
    const qsizetype n = m_tekst.size();
    for (qsizetype j = fra; j < n; ++j) {
        const QChar c = m_tekst[j];
        const bool citat = c == QLatin1Char('"') || (c == QLatin1Char('\'') && venterVaerdi);
        if (citat) {
            const qsizetype sidste = c == QLatin1Char('"') ? m_sidsteCitat : m_sidsteApostrof;
            if (j >= sidste)
                break; // a quote that never ends
            j = m_tekst.indexOf(c, j + 1);
            iOrd = venterVaerdi = iVaerdi = skraa = false;
            continue;
        }
        if (c == QLatin1Char('>')) {
            if (!a.liste.isEmpty())
                a.liste += QLatin1Char(' ');
            a.selvlukket = skraa;
            break;
        }
        if (c == QLatin1Char('<'))
            break; // the tag was never closed
        if (c.isSpace()) {
            if (venterVaerdi && !iVaerdi)
                continue;
            if (iOrd)
                a.liste += QLatin1Char(' ');
            iOrd = true;
            venterVaerdi = iVaerdi = skraa = false;
            continue;
        }
        if (c == QLatin1Char('=')) {
            iOrd = false;
            a.liste += QLatin1Char(' ');
            venterVaerdi = true;
            skraa = false;
            continue;
        }
        if (c == QLatin1Char('/') && !iVaerdi) {
            iOrd = false;
            skraa = true;
            continue;
        }
        skraa = false;
        if (venterVaerdi)
            iVaerdi = true;
        else if (iOrd)
            a.liste += c;
    }
    return a;
}

void Kodelaeser::luk(qsizetype tagPos, QStringView navn, const QString& noegle) {
    const QString tekst = QLatin1Char('/') + navn.toString();
    const int gammel = m_aktuel;
    const int lukkes = m_trae.data(gammel).TagEnd == 0 ? aabenFoer(gammel, noegle) : -1;
    if (lukkes < 0) {
        tilfoej(gammel, tekst, QString(), tagPos, 3, QString());
        return;
    }
    m_trae.setTagEnd(lukkes, 1);
    // The nearest open node before the old current one, once the closed one is no longer open.
    int foer = m_forrige[gammel];
    if (foer == lukkes)
        foer = m_forrige[lukkes];
    fjernAaben(lukkes);
    tilfoej(m_trae.foraelder(gammel), tekst, QString(), tagPos, 1, QString());
    if (foer >= 0)
        m_aktuel = foer;
}

int Kodelaeser::aabenFoer(int knude, const QString& noegle) const {
    for (int k = knude; k >= 0; k = m_forrige[k])
        if (m_noegle[k] == noegle)
            return k;
    return -1;
}

bool Kodelaeser::erEfterkommer(int knude, int forfader) const {
    const int dybde = m_trae.dybde(forfader);
    while (m_trae.dybde(knude) > dybde)
        knude = m_trae.foraelder(knude);
    return knude == forfader;
}

void Kodelaeser::indsaetAaben(int knude) {
    // A new node is the last child of the current one: in display order it follows the open
    // nodes below the current one, which follow the current one itself when it is open.
    const int aktuel = m_trae.foraelder(knude);
    int efter = m_trae.data(aktuel).TagEnd == 0 ? aktuel : -1;
    int k = efter >= 0 ? m_naeste[efter] : m_foersteAaben;
    while (k >= 0 && erEfterkommer(k, aktuel)) {
        efter = k;
        k = m_naeste[k];
    }
    m_forrige[knude] = efter;
    m_naeste[knude] = k;
    (efter >= 0 ? m_naeste[efter] : m_foersteAaben) = knude;
    (k >= 0 ? m_forrige[k] : m_sidsteAaben) = knude;
}

void Kodelaeser::fjernAaben(int knude) {
    const int foer = m_forrige[knude], efter = m_naeste[knude];
    (foer >= 0 ? m_naeste[foer] : m_foersteAaben) = efter;
    (efter >= 0 ? m_forrige[efter] : m_sidsteAaben) = foer;
    m_forrige[knude] = m_naeste[knude] = -1;
}

int Kodelaeser::tilfoej(int foraelder, QStringView navn, const QString& noegle, qsizetype tagPos,
                        quint8 tagEnd, const QString& attrListe) {
    TData data;
    data.Index = int(tagPos);
    data.TagEnd = tagEnd;
    data.AttrListe = attrListe;
    const int knude = m_trae.tilfoej(foraelder, navn.toString(), data);
    m_noegle.append(tagEnd == 0 ? noegle : QString());
    m_forrige.append(-1);
    m_naeste.append(-1);
    return knude;
}
