#include "kodeliste.h"

#include "platform/textfile.h"

bool Kodeliste::hent(const QString& logicalPath) {
    m_navne.clear();
    return tilfoej(logicalPath);
}

bool Kodeliste::tilfoej(const QString& logicalPath) {
    QStringList linjer;
    if (!TextFile::read(logicalPath, linjer))
        return false;
    tilfoej(linjer);
    return true;
}

void Kodeliste::tilfoej(const QStringList& navne) {
    for (const QString& navn : navne) {
        const QString ord = navn.trimmed().toLower();
        if (!ord.isEmpty())
            m_navne.insert(ord);
    }
}

bool Kodeliste::contains(QStringView navn) const {
    return m_navne.contains(navn.toString().toLower());
}

QStringList Kodeliste::navne() const {
    QStringList alle(m_navne.begin(), m_navne.end());
    alle.sort();
    return alle;
}

bool Kodeliste::erFilnavn(const QString& navn) {
    if (navn.isEmpty())
        return false;
    for (const QChar c : navn)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-'))
            return false;
    return true;
}
