#pragma once

#include <QString>
#include <QStringList>

// The desktop's own settings programs that stand in for the applets: for each applet name
// (the name of its script, "lyd.vbs"), the programs with their arguments that open that
// page, the current desktop's first (XDG_CURRENT_DESKTOP), then programs that work on any
// desktop. The first one found on the search path is started.
namespace SettingsPrograms {

// Started() gave no program: the applet has no equivalent on this system.
constexpr int NoEquivalent = -1;

// Program and arguments of each candidate, in the order they are tried. Empty for an applet
// that has no equivalent here. `desktop` is a value of XDG_CURRENT_DESKTOP.
QList<QStringList> candidates(const QString& applet, const QString& desktop);
// Starts the first candidate found on the path; a ShellResult, FileNotFound when none is
// installed, NoEquivalent when the applet has none.
int start(const QString& applet);

} // namespace SettingsPrograms
