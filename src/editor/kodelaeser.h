#pragma once

#include <QList>
#include <QString>
#include <functional>

class Kodeliste;
class Kodetrae;

// Reads a page's text into the structure tree. Tags are what lies between "<" and the end of
// a name; comments, declarations and server code ("<!", "<%", "<?" and the like) are not. A
// name ends at white space, "/" or ">"; a start tag that ends in "/>" has no end tag. An end
// tag closes the nearest open start tag of its name (ignoring case) found walking back from
// the current open node in display order; new tags go under the current open node.
//
// The open nodes are kept in display order in a list of their own, so closing a tag walks
// over open nodes only and reading stays linear in the text for real pages.
class Kodelaeser {
public:
    struct Lister {
        const Kodeliste& nosluttag; // tags without an end tag
        const Kodeliste& tag;       // tags with an end tag
        const Kodeliste& exclude;   // names reading ignores
    };

    Kodelaeser(const Lister& lister, Kodetrae& trae);
    // Fills the tree (already holding only its root) from the text. `fremskridt` hears the
    // progress in percent as it rises.
    void laes(QStringView tekst, const std::function<void(int)>& fremskridt);

private:
    struct Attributter {
        QString liste;
        bool selvlukket = false;
    };
    Attributter attributter(qsizetype fra) const;
    void tagFundet(qsizetype tagPos, QStringView navn, bool slutkode, qsizetype navneSlut);
    void luk(qsizetype tagPos, QStringView navn, const QString& noegle);
    // The node of the nearest open node at or before `knude` whose key is `noegle`, or -1.
    int aabenFoer(int knude, const QString& noegle) const;
    bool erEfterkommer(int knude, int forfader) const;
    void indsaetAaben(int knude);
    void fjernAaben(int knude);
    int tilfoej(int foraelder, QStringView navn, const QString& noegle, qsizetype tagPos,
                quint8 tagEnd, const QString& attrListe);

    Lister m_lister;
    Kodetrae& m_trae;
    QStringView m_tekst;
    qsizetype m_sidsteCitat = -1, m_sidsteApostrof = -1;
    int m_aktuel = 0;
    bool m_iScript = false;
    // Per node: its name in lower case, and its neighbours in the list of open nodes.
    QList<QString> m_noegle;
    QList<int> m_forrige, m_naeste;
    int m_foersteAaben = -1, m_sidsteAaben = -1;
};
