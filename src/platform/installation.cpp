#include "installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Installation {

QString dataFolder() {
    const QString env = qEnvironmentVariable("RAVNSTI_DATA");
    if (!env.isEmpty())
        return QDir::cleanPath(env);
    const QString exe = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {exe + QStringLiteral("/data"), exe + QStringLiteral("/../share/ravnsti")}) {
        if (QDir(candidate + QStringLiteral("/Program")).exists())
            return QDir::cleanPath(candidate);
    }
    return {};
}

QString soundModule() {
    const QString env = qEnvironmentVariable("RAVNSTI_LYD");
    if (!env.isEmpty())
        return env;
    const QString exe = QCoreApplication::applicationDirPath();
    const QString beside = exe + QStringLiteral("/ravnsti-lyd.so");
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(exe + QStringLiteral("/../lib/ravnsti/ravnsti-lyd.so"));
}

QString dataRoot() {
    const QString env = qEnvironmentVariable("RAVNSTI_ROOT");
    if (!env.isEmpty())
        return QDir::cleanPath(env);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Ravnsti");
}

bool linkProgramFolder(const QString& hostRoot) {
    const QString link = hostRoot + QStringLiteral("/Program");
    const QFileInfo existing(link);
    if (existing.exists() || existing.isSymLink())
        return existing.isDir();
    const QString data = dataFolder();
    const QString program = data + QStringLiteral("/Program");
    return !data.isEmpty() && QFileInfo(program).isDir() && QFile::link(program, link);
}

} // namespace Installation
