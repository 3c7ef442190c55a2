#pragma once

#include "platform/fileresult.h"

#include <QStringList>

// The user's document types: groups of three lines (description, extension with its dot or
// "*.*", "1" when offered in the new-document list and the text-search filter, else "0").
class Typeliste {
public:
    struct Type {
        QString description;
        QString extension;
        bool offered = false;
    };

    // A missing file leaves the list empty.
    FileResult load(const QString& path);
    FileResult save(const QString& path) const;
    // The twelve standard types.
    void makeStandard();

    const QStringList& filliste() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // Every complete group, in order.
    QList<Type> types() const;
    // Offered types with a real extension: what the new-document list shows.
    QList<Type> offered() const;
    // Whether the editor opens files of the extension `ext` (with its dot) without asking:
    // the engine's text class, or a type of this list.
    bool erTekstType(const QString& ext) const;
    // The text-search filter entries: "Tekstfil (*.txt)".
    QStringList filterEntries() const;
    // Replaces the list (the properties window's "Gem").
    void setTypes(const QList<Type>& types);

private:
    QStringList m_lines;
};
