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
    int runScript(const QString& script, const QStringList& arguments,
                  const QString& workingFolder) override;
    int openUrl(const QString& url) override;

private:
    // Starts an executable regular file given by host path, detached from this process.
    static int start(const QString& hostProgram, const QStringList& arguments,
                     const QString& workingFolder);
};
