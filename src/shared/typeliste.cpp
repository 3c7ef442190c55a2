#include "typeliste.h"

#include "engine/grundmetoder.h"
#include "platform/textfile.h"

#include <algorithm>

FileResult Typeliste::load(const QString& path) {
    m_lines.clear();
    QStringList lines;
    FileResult r = TextFile::read(path, lines);
    if (r.error() == FileError::NotFound)
        return {};
    if (r)
        m_lines = lines;
    return r;
}

FileResult Typeliste::save(const QString& path) const {
    return TextFile::write(path, m_lines);
}

void Typeliste::makeStandard() {
    setTypes({{QStringLiteral("Hjemmeside"), QStringLiteral(".html"), true},
              {QStringLiteral("ASP"), QStringLiteral(".asp"), true},
              {QStringLiteral("Includefile"), QStringLiteral(".inc"), true},
              {QStringLiteral("ASA"), QStringLiteral(".asa"), true},
              {QStringLiteral("StyleSheet"), QStringLiteral(".css"), true},
              {QStringLiteral("JavaScript"), QStringLiteral(".js"), true},
              {QStringLiteral("VB script"), QStringLiteral(".vbs"), true},
              {QStringLiteral("Windows script files"), QStringLiteral(".wsf"), true},
              {QStringLiteral("Batch"), QStringLiteral(".bat"), true},
              {QStringLiteral("Power Shell"), QStringLiteral(".ps1"), false},
              {QStringLiteral("Rich Text"), QStringLiteral(".rtf"), true},
              {QStringLiteral("Tekstfil"), QStringLiteral(".txt"), true}});
}

QList<Typeliste::Type> Typeliste::types() const {
    QList<Type> result;
    for (qsizetype i = 0; i + 2 < m_lines.size(); i += 3)
        result.append({m_lines.at(i), m_lines.at(i + 1), m_lines.at(i + 2) == QLatin1String("1")});
    return result;
}

QList<Typeliste::Type> Typeliste::offered() const {
    QList<Type> result;
    for (const Type& t : types())
        if (t.offered && t.extension != QLatin1String("*.*"))
            result.append(t);
    return result;
}

QStringList Typeliste::filterEntries() const {
    QStringList entries;
    for (const Type& t : offered())
        entries.append(t.description + QStringLiteral(" (*") + t.extension + QLatin1Char(')'));
    return entries;
}

void Typeliste::setTypes(const QList<Type>& types) {
    m_lines.clear();
    for (const Type& t : types)
        m_lines << t.description << t.extension
                << (t.offered ? QStringLiteral("1") : QStringLiteral("0"));
}

bool Typeliste::erTekstType(const QString& ext) const {
    if (TGrundMetoder::erDetEnTekstfil(ext))
        return true;
    const QList<Type> alle = types();
    return !ext.isEmpty() && std::any_of(alle.cbegin(), alle.cend(), [&ext](const Type& type) {
        return type.extension.compare(ext, Qt::CaseInsensitive) == 0;
    });
}
