#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A desktop entry (".desktop", the freedesktop Desktop Entry format): the keys of its
// "[Desktop Entry]" group that the program uses, and its command line turned into an
// argument list. No shell ever reads the command line: its quoting is undone here and each
// file becomes one argument, whatever its name holds.
class DesktopEntry {
public:
    // An entry is a few hundred bytes: more than this is read as no entry.
    static constexpr qint64 kLargest = 1024 * 1024;

    // The entry in the bytes of a ".desktop" file; nullopt when they hold no
    // "[Desktop Entry]" group.
    static std::optional<DesktopEntry> parse(const QByteArray& bytes);
    // Whether a file name is that of a desktop entry.
    static bool isEntryName(const QString& fileName);

    QString type; // "Application", "Link" or "Directory"
    QString name;
    QString icon; // a theme icon name or an absolute file
    QString exec;
    QString path; // the working folder, empty for none
    QString url;  // the target of a "Link"
    bool terminal = false;

    // The program and its arguments with the files in the field codes: %f, %F, %u and %U
    // each give every file as an argument of its own (%u and %U as file URLs), %c the name,
    // %k the entry's own file; %i and the deprecated codes give nothing. `hostFiles` are host
    // paths. Nullopt for a command line that is empty or badly quoted.
    std::optional<QStringList> arguments(const QStringList& hostFiles,
                                         const QString& entryFile = {}) const;

    // The text of a new entry that starts a program; `exec` is a ready command line.
    static QByteArray application(const QString& name, const QString& exec, const QString& icon);
    // A host path written as one word of a command line, quoted where it needs it.
    static QString quoted(const QString& word);
};
