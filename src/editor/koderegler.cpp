#include "koderegler.h"

QStringList Koderegler::hent(const QString& htmllistedir) {
    m_mappe = htmllistedir;
    m_lukkes.clear();
    m_omfangFor.clear();
    const std::pair<Kodeliste*, const char*> lister[] = {
        {&m_valgfri, "ValgfriSlutkode.txt"}, {&m_valgfriStart, "ValgfriStartkode.txt"},
        {&m_raatekst, "Raatekst.txt"},       {&m_saerlige, "Saerlige.txt"},
        {&m_omfang, "Omfang.txt"},           {&m_gennemsigtige, "Gennemsigtige.txt"},
        {&m_fremmede, "Fremmede.txt"},       {&m_svg, "Svg.txt"},
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
    const Kodeliste* liste = fraMappe(m_lukkes, QStringLiteral("Lukkes\\"), noegle);
    return liste ? *liste : m_ingen;
}

const Kodeliste& Koderegler::omfang(const QString& noegle) const {
    const Kodeliste* liste = fraMappe(m_omfangFor, QStringLiteral("Omfang\\"), noegle);
    return liste ? *liste : m_omfang;
}

const Kodeliste* Koderegler::fraMappe(QHash<QString, std::optional<Kodeliste>>& lister,
                                      const QString& mappe, const QString& noegle) const {
    auto fundet = lister.find(noegle);
    if (fundet == lister.end()) {
        std::optional<Kodeliste> liste;
        if (Kodeliste::erFilnavn(noegle)) {
            liste.emplace();
            if (!liste->hent(m_mappe + mappe + noegle + QStringLiteral(".txt")))
                liste.reset();
        }
        fundet = lister.insert(noegle, liste);
    }
    return fundet->has_value() ? &**fundet : nullptr;
}
