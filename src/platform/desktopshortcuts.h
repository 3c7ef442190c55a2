#pragma once

#include "fileresult.h"

#include <QString>

// Shortcuts as the Linux file managers show and start them, made at once in this process.
// A folder, a document or a desktop entry gets a symbolic link, which every file manager
// follows to its target and shows with the target's icon; a program gets a desktop entry
// that starts it, marked executable as the file managers ask of a launcher. A shortcut
// never replaces a file: a name that is taken fails with AlreadyExists.
namespace DesktopShortcuts {

// The shortcut's file for the target (logical paths): `name` in `folder`, with ".desktop"
// for a program and the target's extension for a document. Empty when the target is
// neither a file nor a folder.
QString shortcutFile(const QString& target, const QString& folder, const QString& name);
// Makes the shortcut `shortcutFile` names.
FileResult make(const QString& target, const QString& folder, const QString& name);

} // namespace DesktopShortcuts
