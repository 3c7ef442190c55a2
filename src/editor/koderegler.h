#pragma once

#include "kodeliste.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// How a page's tags nest, as HTML reads them: which end tags a page may leave out and which
// start tags close an open element, which elements hold text instead of tags, how far an end
// tag reaches, and the element names of SVG and MathML. All of it comes from the lists in
// the folder of tag lists; the names are looked up ignoring case.
class Koderegler {
public:
    // Replaces the lists by those of the folder; the files that could not be read, whose
    // lists stay empty.
    QStringList hent(const QString& htmllistedir);

    // Elements whose end tag a page may leave out where the next tag implies it.
    const Kodeliste& valgfriSlutkode() const { return m_valgfri; }
    // Elements whose start tag a page may leave out: an end tag of one closes the element
    // the page implied.
    const Kodeliste& valgfriStartkode() const { return m_valgfriStart; }
    // Elements whose content is text up to their own end tag.
    const Kodeliste& raatekst() const { return m_raatekst; }
    // End tags of other names stop at these elements...
    const Kodeliste& saerlige() const { return m_saerlige; }
    // ...and the end tag of a special element `noegle` (in lower case) at these ones: those of
    // its own file when it has one, else the common ones.
    const Kodeliste& omfang(const QString& noegle) const;
    // The elements of saerlige() that a start tag's implied closing looks past.
    const Kodeliste& gennemsigtige() const { return m_gennemsigtige; }
    // The names that begin the SVG or MathML namespace in HTML; a name of svg() begins SVG.
    const Kodeliste& fremmede() const { return m_fremmede; }
    const Kodeliste& svg() const { return m_svg; }
    const Kodeliste& mathml() const { return m_mathml; }
    // SVG and MathML elements whose children are HTML.
    const Kodeliste& integration() const { return m_integration; }
    // The start tags that close an open element of this name (in lower case), read from its
    // file the first time it is asked for; empty when it has none.
    const Kodeliste& lukkes(const QString& noegle) const;

private:
    QString m_mappe;
    Kodeliste m_valgfri, m_valgfriStart, m_raatekst, m_saerlige, m_omfang, m_gennemsigtige,
        m_fremmede, m_svg, m_mathml, m_integration;
    // The lists of the files of one name in a subfolder, read when first asked for; null for
    // a name without a file.
    const Kodeliste* fraMappe(QHash<QString, std::optional<Kodeliste>>& lister,
                              const QString& mappe, const QString& noegle) const;
    mutable QHash<QString, std::optional<Kodeliste>> m_lukkes, m_omfangFor;
    Kodeliste m_ingen;
};
