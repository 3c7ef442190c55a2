#pragma once

#include <QString>
#include <QStringList>

// Result numbers of starting files and programs. A value above 32 is success; the others
// select the program's launch error texts.
namespace ShellResult {
constexpr int OutOfResources = 0;
constexpr int UnknownFailure = 1; // no more specific number fits
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int OutOfMemory = 8;
constexpr int BadFormat = 11;
constexpr int SharingViolation = 26; // the program file is being written
constexpr int NoAssociation = 31;
constexpr int Success = 42;
inline bool succeeded(int result) {
    return result > 32;
}
} // namespace ShellResult

enum class ShellVerb { Open, Edit };

// Opens documents and folders with their associated programs and starts programs with an
// argument list. Nothing goes through a shell command line, so every argument reaches the
// program exactly as given.
class Shell {
public:
    virtual ~Shell() = default;
    // A document, folder or program given by logical path. Programs get `arguments`.
    virtual int open(const QString& path, ShellVerb verb, const QStringList& arguments,
                     const QString& workingFolder) = 0;
    // A program by logical path or by bare name looked up on the search path.
    virtual int startProgram(const QString& program, const QStringList& arguments,
                             const QString& workingFolder) = 0;
    // A POSIX shell script given by logical path, run by /bin/sh with `arguments`; it need
    // not be executable.
    virtual int runScript(const QString& script, const QStringList& arguments,
                          const QString& workingFolder) = 0;
    // A web address in the desktop's browser.
    virtual int openUrl(const QString& url) = 0;
};
