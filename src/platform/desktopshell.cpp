#include "desktopshell.h"
#include "desktopentry.h"
#include "logicalpath.h"
#include "programfile.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <utility>

namespace {

// Finds the host path of an existing entry (links followed); otherwise the result says
// whether the entry or already its folder is missing.
int locate(const DriveTable& drives, const QString& logical, QString& host) {
    const auto mapped = drives.toHost(logical);
    if (!mapped)
        return ShellResult::PathNotFound;
    const QFileInfo info(*mapped);
    if (!info.exists())
        return QFileInfo(info.path()).isDir() ? ShellResult::FileNotFound
                                              : ShellResult::PathNotFound;
    host = *mapped;
    return ShellResult::Success;
}

// An empty working folder leaves the program in ours.
int hostFolder(const DriveTable& drives, const QString& logical, QString& host) {
    if (logical.isEmpty())
        return ShellResult::Success;
    const auto mapped = drives.toHost(logical);
    if (!mapped || !QFileInfo(*mapped).isDir())
        return ShellResult::PathNotFound;
    host = *mapped;
    return ShellResult::Success;
}

// QProcess reports a failed exec only as text ending in the system's message for the errno
// value, so the cause is recognised by that message. The program itself was found and is
// executable by then, so ENOENT means its interpreter ("#!" line or loader) is missing.
int startFailure(const QString& message) {
    static constexpr std::pair<int, int> causes[] = {
        {ENOEXEC, ShellResult::BadFormat},  {ENOENT, ShellResult::BadFormat},
        {ELIBBAD, ShellResult::BadFormat},  {EACCES, ShellResult::AccessDenied},
        {EPERM, ShellResult::AccessDenied}, {ETXTBSY, ShellResult::SharingViolation},
        {ENOMEM, ShellResult::OutOfMemory}, {EAGAIN, ShellResult::OutOfResources}};
    for (const auto& [err, result] : causes)
        if (message.endsWith(qt_error_string(err)))
            return result;
    return ShellResult::UnknownFailure;
}

int openWithDesktop(const QString& host) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(host)) ? ShellResult::Success
                                                                : ShellResult::NoAssociation;
}

} // namespace

DesktopShell::DesktopShell(const DriveTable& drives) : m_drives(drives) {}

int DesktopShell::start(const QString& hostProgram, const QStringList& arguments,
                        const QString& workingFolder) const {
    QString folder;
    if (const int r = hostFolder(m_drives, workingFolder, folder); r != ShellResult::Success)
        return r;
    return startIn(hostProgram, arguments, folder);
}

int DesktopShell::startIn(const QString& hostProgram, const QStringList& arguments,
                          const QString& folder) {
    if (!ProgramFile::isExecutableFile(QFileInfo(hostProgram)))
        return ShellResult::AccessDenied;
    QProcess process;
    process.setProgram(hostProgram);
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    return process.startDetached() ? ShellResult::Success : startFailure(process.errorString());
}

int DesktopShell::open(const QString& path, ShellVerb verb, const QStringList& arguments,
                       const QString& workingFolder) {
    QString host;
    if (const int r = locate(m_drives, path, host); r != ShellResult::Success)
        return r;
    const QFileInfo info(host);
    if (info.isDir())
        return openWithDesktop(host);
    if (!info.isFile())
        return ShellResult::NoAssociation; // devices, FIFOs and sockets open in no program
    if (verb == ShellVerb::Open && DesktopEntry::isEntryName(host))
        return startEntry(host, arguments, workingFolder);
    if (verb == ShellVerb::Open && ProgramFile::isExecutableFile(info) &&
        ProgramFile::holdsProgram(host))
        return start(host, arguments, workingFolder);
    // The desktop knows one association per type and no separate edit verb, so editing a
    // document opens it with its default program just as opening does. Documents take
    // neither arguments nor a working folder there.
    return openWithDesktop(host);
}

int DesktopShell::startEntry(const QString& hostEntry, const QStringList& arguments,
                             const QString& workingFolder) const {
    QFile file(hostEntry);
    if (!file.open(QIODevice::ReadOnly))
        return ShellResult::AccessDenied;
    const std::optional<DesktopEntry> entry =
        DesktopEntry::parse(file.read(DesktopEntry::kLargest));
    if (!entry)
        return ShellResult::BadFormat;
    // Links and folders open as the desktop opens the entry itself.
    if (entry->type != QLatin1String("Application"))
        return openWithDesktop(hostEntry);
    std::optional<QStringList> command = entry->arguments(arguments, hostEntry);
    if (!command)
        return ShellResult::BadFormat;
    if (entry->terminal)
        *command =
            QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} + *command;
    const QString program = command->takeFirst();
    const QString host =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (host.isEmpty() || !QFileInfo(host).isFile())
        return ShellResult::FileNotFound;
    QString folder = entry->path;
    if (folder.isEmpty()) {
        if (const int r = hostFolder(m_drives, workingFolder, folder); r != ShellResult::Success)
            return r;
    } else if (!QFileInfo(folder).isDir()) {
        return ShellResult::PathNotFound;
    }
    return startIn(host, *command, folder);
}

int DesktopShell::startProgram(const QString& program, const QStringList& arguments,
                               const QString& workingFolder) {
    QString host;
    if (LogicalPath::hasDrive(program)) {
        if (const int r = locate(m_drives, program, host); r != ShellResult::Success)
            return r;
    } else {
        // A bare name only: anything with a folder part would be a host path.
        if (program.isEmpty() || program.contains(QLatin1Char('/')) ||
            program.contains(QLatin1Char('\\')))
            return ShellResult::FileNotFound;
        host = QStandardPaths::findExecutable(program);
        if (host.isEmpty())
            return ShellResult::FileNotFound;
    }
    return start(host, arguments, workingFolder);
}

int DesktopShell::runScript(const QString& script, const QStringList& arguments,
                            const QString& workingFolder) {
    QString host;
    if (const int r = locate(m_drives, script, host); r != ShellResult::Success)
        return r;
    if (!QFileInfo(host).isFile())
        return ShellResult::FileNotFound;
    return start(QStringLiteral("/bin/sh"), QStringList{host} + arguments, workingFolder);
}

int DesktopShell::openUrl(const QString& url) {
    const QUrl parsed(url, QUrl::StrictMode);
    // Only web addresses: a file or script URL from a settings file never runs from here.
    if (!parsed.isValid() ||
        (parsed.scheme() != QLatin1String("https") && parsed.scheme() != QLatin1String("http")))
        return ShellResult::FileNotFound;
    return QDesktopServices::openUrl(parsed) ? ShellResult::Success : ShellResult::NoAssociation;
}
