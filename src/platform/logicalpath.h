#pragma once

#include <QString>

// Pure helpers for the program's logical Windows-style paths ("C:", "C:\Fotos\2020").
// A drive root is "C:" (a trailing backslash is accepted on input), folders carry no
// trailing backslash, and paths are compared ignoring case.
namespace LogicalPath {

// "c:\a\b\" -> "c:\a\b", "C:\" -> "C:", forward slashes become backslashes.
QString normalized(const QString& path);
// The path with its "." parts left out and each ".." taking away the part before it, never
// above the drive: "C:\a\.\b\..\c" -> "C:\a\c", "C:\..\a" -> "C:\a". Without a drive,
// or with no such parts, the path as it is.
QString withoutDots(const QString& path);
// True for "C:" and "C:\" (any letter).
bool isDriveRoot(const QString& path);
// True when the path begins with a drive letter and a colon.
bool hasDrive(const QString& path);
// The upper-case drive letter, or a null QChar.
QChar driveLetter(const QString& path);
// "C:\a\b" -> "C:\a", "C:\a" -> "C:", "C:" -> "".
QString parent(const QString& path);
// "C:\a\b.txt" -> "b.txt"; a drive root gives itself ("C:").
QString lastComponent(const QString& path);
// The extension of the last component with its dot (".txt"), or empty.
QString extension(const QString& path);
// The last component without its extension.
QString baseName(const QString& path);
// parent + "\" + name; "C:" and "C:\" both give "C:\name".
QString join(const QString& parent, const QString& name);
// Same path ignoring case and trailing backslashes.
bool same(const QString& a, const QString& b);
// True when `path` is `folder` itself or lies anywhere below it.
bool isSameOrBelow(const QString& path, const QString& folder);

} // namespace LogicalPath
