#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class Kodeliste;
class Koderegler;
class Kodetrae;
enum class Navnerum : quint8;

// Reads a page's text into the structure tree as HTML reads it. A tag begins with "<" and a
// letter (or "</" and a letter) and ends at the first ">" outside a quoted value; comments,
// declarations and processing instructions are skipped whole, and so is the content of the
// elements that hold text (script, style, textarea, title and the like) up to their own end
// tag. A name ends at white space, "/" or ">".
//
// The open elements form a stack, each one inside the one below it. A start tag first closes
// the open elements that the rules say it closes (an <li> an open li, a <div> an open p); an
// end tag closes the nearest open element of its name (ignoring case) within its reach, and
// with it every open element above it. An element so closed whose end tag may be left out is
// closed (TagEnd 1); any other keeps TagEnd 0, a missing end tag. An end tag that finds no
// open element of its name stands where it was met with TagEnd 3. New tags go under the
// current open node. Inside <svg> and <math> the names are SVG's and MathML's, and a start
// tag ending in "/>" has no end tag.
class Kodelaeser {
public:
    struct Lister {
        const Kodeliste& nosluttag; // tags without an end tag
        const Kodeliste& tag;       // tags with an end tag
        const Kodeliste& exclude;   // names reading ignores
        const Koderegler& regler;
    };

    Kodelaeser(const Lister& lister, Kodetrae& trae);
    // Fills the tree (already holding only its root) from the text. `fremskridt` hears the
    // progress in percent as it rises.
    void laes(QStringView tekst, const std::function<void(int)>& fremskridt);

private:
    struct Attributter {
        QString liste;
        bool selvlukket = false;
        qsizetype slut = 0; // where reading goes on: after the tag's ">"
    };
    struct Aaben {
        int knude;
        QString noegle; // the name in lower case
        Navnerum rum;
    };
    Attributter attributter(qsizetype fra) const;
    // Where reading goes on after a "<!" or "<?" at `i`.
    qsizetype efterErklaering(qsizetype i) const;
    // Where the end tag of the text element `noegle` begins from `fra` on; the text's end when
    // it has none.
    qsizetype raatekstSlut(qsizetype fra, const QString& noegle) const;
    // A start tag; true when its content is text.
    bool starttag(qsizetype tagPos, QStringView navn, const Attributter& attr);
    void slutkode(qsizetype tagPos, QStringView navn);
    void lukImplicit(const QString& noegle);
    // Text up to the next tag closes the open elements whose closing list names "#text".
    void tekstEfter(qsizetype fra);
    // Closes the open element at `plads` in the stack and every one above it.
    void lukFra(qsizetype plads);
    void aabn(int knude, const QString& noegle, Navnerum rum);
    // The namespace of a new element: that of the open one it goes in, unless the name begins
    // the SVG or MathML namespace or the open element holds HTML.
    Navnerum rumForNyt(const QString& noegle) const;
    int tilfoej(int foraelder, QStringView navn, qsizetype tagPos, quint8 tagEnd,
                const QString& attrListe, Navnerum rum);

    Lister m_lister;
    Kodetrae& m_trae;
    QStringView m_tekst;
    qsizetype m_sidsteCitat = -1, m_sidsteApostrof = -1;
    int m_aktuel = 0;
    QList<Aaben> m_aabne;
    // Places in m_aabne: of the open elements that a start tag may close, and of those that
    // stop a start tag's implied closing; so a start tag looks at few open elements however
    // deep the page nests.
    QList<qsizetype> m_lukbare, m_graenser;
    // How many open elements have each name, so that a stray end tag looks at none; a name
    // is here once an element of it was opened.
    QHash<QString, int> m_antal;
};
