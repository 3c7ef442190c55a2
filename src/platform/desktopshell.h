#pragma once

#include "shell.h"

// Documents and folders open through the desktop's associations; programs start with
// QProcess and an argument list.
class DesktopShell : public Shell {
public:
    int open(const QString& path, ShellVerb verb, const QStringList& arguments,
             const QString& workingFolder) override;
    int startProgram(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override;
};
