#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// A list of tag or attribute names, one a line in its file, looked up ignoring case. A name
// given twice counts once.
class Kodeliste {
public:
    // Replaces the list by the lines of the file. False when the file cannot be read; the
    // list is then empty.
    bool hent(const QString& logicalPath);
    // Adds the names of a file to the list; false when the file cannot be read.
    bool tilfoej(const QString& logicalPath);
    void tilfoej(const QStringList& navne);
    bool contains(QStringView navn) const;
    // For a name already in lower case.
    bool harSmaa(const QString& navn) const { return m_navne.contains(navn); }
    int count() const { return int(m_navne.size()); }
    // The names in lower case, sorted.
    QStringList navne() const;
    // Whether a name may name a list file of its own: letters, digits and "-" only, so that
    // nothing outside the folder is read.
    static bool erFilnavn(const QString& navn);

private:
    QSet<QString> m_navne;
};
