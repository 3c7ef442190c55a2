#pragma once

#include "drivetable.h"
#include "shell.h"

// Documents and folders open through the desktop's associations; programs start with
// QProcess and an argument list.
class DesktopShell : public Shell {
public:
    // `drives` must outlive the shell.
    explicit DesktopShell(const DriveTable& drives);

    int open(const QString& path, ShellVerb verb, const QStringList& arguments,
             const QString& workingFolder) override;
    int startProgram(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override;
    int runScript(const QString& script, const QStringList& arguments,
                  const QString& workingFolder) override;
    int openUrl(const QString& url) override;

private:
    // Starts an executable regular file given by host path, detached from this process.
    int start(const QString& hostProgram, const QStringList& arguments,
              const QString& workingFolder) const;

    const DriveTable& m_drives;
};
