#pragma once

#include "drivetable.h"
#include "shell.h"

// Documents and folders open through the desktop's associations; programs start with
// QProcess and an argument list. A desktop entry that is opened starts its program, with the
// arguments in the places its command line gives them.
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
    // The same in a host folder (empty: ours).
    static int startIn(const QString& hostProgram, const QStringList& arguments,
                       const QString& folder);
    // Starts the program of a desktop entry with the files (host paths) in its command line.
    int startEntry(const QString& hostEntry, const QStringList& arguments,
                   const QString& workingFolder) const;

    const DriveTable& m_drives;
};
