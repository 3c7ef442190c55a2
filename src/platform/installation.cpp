#include "installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <unistd.h>

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
    return QDir::cleanPath(exe + QStringLiteral("/../" RAVNSTI_MODULE_DIR "/ravnsti-lyd.so"));
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
    const QString data = dataFolder();
    const QString program = data.isEmpty() ? QString() : data + QStringLiteral("/Program");
    // A real folder in the link's place is the user's own arrangement and is kept.
    if (existing.exists() && !existing.isSymLink())
        return existing.isDir();
    const bool ours = !program.isEmpty() && QFileInfo(program).isDir();
    if (existing.isSymLink()) {
        // The link of an install that was removed or moved points at the wrong data or at
        // nothing; the running program's own data takes its place.
        if (!ours || existing.canonicalFilePath() == QFileInfo(program).canonicalFilePath())
            return existing.isDir();
        const QString fresh = link + QStringLiteral(".ravnsti-%1.tmp").arg(::getpid());
        QFile::remove(fresh);
        if (QFile::link(program, fresh) && ::rename(QFile::encodeName(fresh).constData(),
                                                    QFile::encodeName(link).constData()) == 0)
            return true;
        QFile::remove(fresh);
        return existing.isDir();
    }
    return ours && QFile::link(program, link);
}

} // namespace Installation
