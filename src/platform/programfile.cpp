#include "programfile.h"
#include "desktopentry.h"
#include "platform.h"

#include <QFile>
#include <QFileInfo>

bool ProgramFile::isExecutableFile(const QFileInfo& info) {
    return info.isFile() && (info.permissions() & (QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                                   QFileDevice::ExeOther));
}

bool ProgramFile::holdsProgram(const QString& host) {
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head.startsWith("#!") || head == "\x7f"
                                            "ELF";
}

bool ProgramFile::isProgram(const QString& logical) {
    const std::optional<QString> host = Platform::hostPath(logical);
    if (!host)
        return false;
    const QFileInfo info(*host);
    return info.isFile() &&
           (DesktopEntry::isEntryName(*host) || (isExecutableFile(info) && holdsProgram(*host)));
}

QIcon ProgramFile::themeIcon(const QString& logical) {
    const std::optional<QString> host = Platform::hostPath(logical);
    if (!host || !QFileInfo(*host).isFile())
        return {};
    QString name = QFileInfo(*host).completeBaseName();
    if (DesktopEntry::isEntryName(*host)) {
        QFile file(*host);
        const auto entry = file.open(QIODevice::ReadOnly)
                               ? DesktopEntry::parse(file.read(DesktopEntry::kLargest))
                               : std::nullopt;
        if (!entry || entry->icon.isEmpty())
            return {};
        if (QFileInfo(entry->icon).isAbsolute())
            return QFileInfo(entry->icon).isFile() ? QIcon(entry->icon) : QIcon();
        name = entry->icon;
    }
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : QIcon();
}
