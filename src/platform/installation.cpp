#include "installation.h"

#include <QCoreApplication>
#include <QDir>

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

} // namespace Installation
