#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

enum class TextEncoding { Windows1252, Utf8Bom, Utf16LE, Utf16BE };

// Reads and writes the program's settings and list files: one value per line.
//
// Reading: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE; without one the bytes
// are Windows-1252 (all 256 values survive a read and a write). Lines end in CR LF, LF or CR.
// Writing: Windows-1252 with CR LF and no byte-order mark, or UTF-8 with a byte-order mark
// when a line holds a character Windows-1252 lacks. Files are replaced whole and atomically,
// so a failed write or a crash leaves the old file as it was.
class TextFile {
public:
    // Larger files are refused by read(): no settings or list file comes near it.
    static constexpr qint64 kLargestTextFile = 64 * 1024 * 1024;

    static FileResult read(const QString& logicalPath, QStringList& lines,
                           TextEncoding* encoding = nullptr);
    static FileResult write(const QString& logicalPath, const QStringList& lines);
    // Writes in the given encoding where it can hold the text (Windows-1252 falls back to
    // UTF-8 with a byte-order mark where it cannot).
    static FileResult write(const QString& logicalPath, const QStringList& lines,
                            TextEncoding encoding);

    static QStringList decode(const QByteArray& bytes, TextEncoding* encoding = nullptr);
    // The text after a byte-order mark (UTF-8 or UTF-16), decoded as the mark says, with the
    // encoding it names; nullopt for bytes without a mark.
    static std::optional<QString> decodeMarked(const QByteArray& bytes, TextEncoding& encoding);
    // Fails (returns false) for a line holding a line break, which would shift every later
    // line of the file.
    static bool encode(const QStringList& lines, TextEncoding encoding, QByteArray& bytes,
                       TextEncoding* used = nullptr);

    // Single strings, for callers that hold text rather than lines.
    static QString fromWindows1252(const QByteArray& bytes);
    // UTF-8 with every character kept, a U+FEFF at the start too (QString::fromUtf8 drops
    // it); a sequence the bytes end inside gives U+FFFD.
    static QString fromUtf8(QByteArrayView bytes);
    // nullopt when a character has no Windows-1252 byte.
    static std::optional<QByteArray> toWindows1252(const QString& text);

    // Replaces a host file whole and atomically: the bytes go to an unnamed file in its folder
    // (a named temporary of ours where the file system has none), are synced to the disk and
    // then take the file's name (a link's target is the file replaced). The first save into a
    // folder in a run also removes what killed saves of ours left there.
    static FileResult writeHostFileAtomically(const QString& hostPath, const QByteArray& bytes);
    // Removes from a folder the temporaries of ours that a save or copy left when its process
    // was killed: only names of our own making (".ravnsti-<pid>-...tmp") whose process no
    // longer runs. A user's "noter.txt.backup" or "mainform.txt.kopi01" is never touched.
    // The number removed.
    static int removeStaleTemporaries(const QString& logicalFolder);
    static int removeStaleHostTemporaries(const QByteArray& hostFolder);
};
