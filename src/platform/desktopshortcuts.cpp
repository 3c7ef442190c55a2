#include "desktopshortcuts.h"
#include "desktopentry.h"
#include "logicalpath.h"
#include "platform.h"
#include "programfile.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>

namespace {

enum class Kind { None, Link, Launcher };

Kind kindOf(const QString& target) {
    const std::optional<QString> host = Platform::hostPath(target);
    if (!host)
        return Kind::None;
    const QFileInfo info(*host);
    if (info.isDir())
        return Kind::Link;
    if (!info.isFile())
        return Kind::None;
    return !DesktopEntry::isEntryName(*host) && ProgramFile::isExecutableFile(info) &&
                   ProgramFile::holdsProgram(*host)
               ? Kind::Launcher
               : Kind::Link;
}

// A name is one entry of the folder, never a path.
bool validName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && name != QLatin1String(".") &&
           name != QLatin1String("..");
}

} // namespace

QString DesktopShortcuts::shortcutFile(const QString& target, const QString& folder,
                                       const QString& name) {
    const Kind kind = kindOf(target);
    if (kind == Kind::None || !validName(name))
        return {};
    QString file = name;
    const QString suffix = kind == Kind::Launcher               ? QStringLiteral(".desktop")
                           : Platform::files().isFolder(target) ? QString()
                                                                : LogicalPath::extension(target);
    if (!file.endsWith(suffix, Qt::CaseInsensitive))
        file += suffix;
    return LogicalPath::join(folder, file);
}

FileResult DesktopShortcuts::make(const QString& target, const QString& folder,
                                  const QString& name) {
    const QString file = shortcutFile(target, folder, name);
    if (file.isEmpty())
        return FileResult::failure(FileError::NotFound, target);
    const std::optional<QString> hostTarget = Platform::hostPath(target);
    const std::optional<QString> hostFile = Platform::hostPath(file);
    if (!hostTarget || !hostFile)
        return FileResult::failure(FileError::Unmappable, file);
    const QFileInfo existing(*hostFile);
    if (existing.exists() || existing.isSymLink())
        return FileResult::failure(FileError::AlreadyExists, file);
    if (kindOf(target) == Kind::Link) {
        // symlink() itself refuses a name that was taken meanwhile.
        if (!QFile::link(*hostTarget, *hostFile))
            return QFileInfo(*hostFile).isSymLink() || QFileInfo::exists(*hostFile)
                       ? FileResult::failure(FileError::AlreadyExists, file)
                       : FileResult::failure(FileError::WriteFailed, file);
        return {};
    }
    const QString program = QFileInfo(*hostTarget).completeBaseName();
    const QString icon =
        QIcon::hasThemeIcon(program) ? program : QStringLiteral("application-x-executable");
    const QByteArray text =
        DesktopEntry::application(name, DesktopEntry::quoted(*hostTarget), icon);
    QFile out(*hostFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(*hostFile) ? FileResult::failure(FileError::AlreadyExists, file)
                                            : FileResult::failure(FileError::WriteFailed, file);
    if (out.write(text) != text.size() || !out.flush()) {
        out.close();
        out.remove();
        return FileResult::failure(FileError::WriteFailed, file);
    }
    out.setPermissions(out.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return {};
}
