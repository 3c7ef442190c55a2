#include "koderegler.h"

QStringList Koderegler::hent(const QString& htmllistedir) {
    m_mappe = htmllistedir;
    m_lukkes.clear();
    const std::pair<Kodeliste*, const char*> lister[] = {
        {&m_valgfri, "ValgfriSlutkode.txt"}, {&m_raatekst, "Raatekst.txt"},
        {&m_saerlige, "Saerlige.txt"},       {&m_omfang, "Omfang.txt"},
        {&m_gennemsigtige, "Gennemsigtige.txt"}, {&m_fremmede, "Fremmede.txt"},
        {&m_svg, "Svg.txt"},
        {&m_mathml, "MathML.txt"},           {&m_integration, "Integration.txt"},
    };
    QStringList mangler;
    for (const auto& [liste, fil] : lister) {
        const QString sti = htmllistedir + QLatin1String(fil);
        if (!liste->hent(sti))
            mangler << sti;
    }
    return mangler;
}

const Kodeliste& Koderegler::lukkes(const QString& noegle) const {
    auto fundet = m_lukkes.find(noegle);
    if (fundet == m_lukkes.end()) {
        Kodeliste liste;
        if (Kodeliste::erFilnavn(noegle))
            (void)liste.hent(m_mappe + QStringLiteral("Lukkes\\") + noegle +
                             QStringLiteral(".txt"));
        fundet = m_lukkes.insert(noegle, liste);
    }
    return *fundet;
}
