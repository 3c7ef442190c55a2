#pragma once

#include <QIcon>
#include <QString>

class QFileInfo;

// Whether a host file is a program the system starts.
namespace ProgramFile {

// A regular file with an x bit.
bool isExecutableFile(const QFileInfo& info);
// Whether the file holds a program the kernel runs: an ELF image or a "#!" script. Files on
// FAT and NTFS volumes usually all carry x bits, so the bits alone do not make a document a
// program.
bool holdsProgram(const QString& host);

// Whether the file of a logical path is a program the system starts, or a desktop entry.
bool isProgram(const QString& logical);
// The desktop icon theme's picture of a program by logical path: a desktop entry's "Icon"
// (a theme name or a file), else the theme icon named after the program's file; a null icon
// when the theme has none.
QIcon themeIcon(const QString& logical);

} // namespace ProgramFile
