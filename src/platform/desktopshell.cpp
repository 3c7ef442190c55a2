#include "desktopshell.h"

// Placeholder bodies; being replaced by the real implementation.
int DesktopShell::open(const QString&, ShellVerb, const QStringList&, const QString&) {
    return ShellResult::FileNotFound;
}
int DesktopShell::startProgram(const QString&, const QStringList&, const QString&) {
    return ShellResult::FileNotFound;
}
