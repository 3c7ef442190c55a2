#include "xdgspecialfolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

// The folder user-dirs.dirs names for a key ("PUBLICSHARE" for XDG_PUBLICSHARE_DIR), or
// `fallback` under the home folder when the file has no such entry. A value of the home
// folder itself switches the folder off.
QString xdgUserDir(const QByteArray& key, const QString& fallback) {
    const QString home = QDir::homePath();
    QString value = home + QLatin1Char('/') + fallback;
    QFile file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray prefix = "XDG_" + key + "_DIR=";
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (!line.startsWith(prefix))
                continue;
            QByteArray quoted = line.mid(prefix.size());
            if (quoted.size() < 2 || !quoted.startsWith('"') || !quoted.endsWith('"'))
                continue;
            QString path;
            const QString text = QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size())
                    ++i;
                path += text.at(i);
            }
            if (path.startsWith(QLatin1String("$HOME")))
                path = home + path.mid(5);
            value = path;
        }
    }
    value = QDir::cleanPath(value);
    return value == QDir::cleanPath(home) ? QString() : value;
}

} // namespace

XdgSpecialFolders::XdgSpecialFolders(const DriveTable& drives) : m_drives(drives) {}

std::optional<QString> XdgSpecialFolders::path(SpecialFolder folder) const {
    QString host;
    switch (folder) {
    case SpecialFolder::Desktop:
        host = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        break;
    case SpecialFolder::Documents:
        host = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        break;
    case SpecialFolder::Pictures:
        host = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        break;
    case SpecialFolder::Music:
        host = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
        break;
    case SpecialFolder::Videos:
        host = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
        break;
    case SpecialFolder::Downloads:
        host = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        break;
    case SpecialFolder::PublicShare:
        // Qt has no location for it, so user-dirs.dirs is read here.
        host = xdgUserDir("PUBLICSHARE", QStringLiteral("Public"));
        break;
    case SpecialFolder::Profile:
        host = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
        break;
    case SpecialFolder::AppData:
        host = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        break;
    case SpecialFolder::Programs:
        host = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        break;
    case SpecialFolder::Favorites:
    case SpecialFolder::CommonDocuments:
    case SpecialFolder::CommonPictures:
    case SpecialFolder::CommonMusic:
    case SpecialFolder::CommonVideos:
        // A freedesktop system keeps neither favourites nor folders shared by all users.
        return std::nullopt;
    }
    if (host.isEmpty())
        return std::nullopt;
    // Without a user-dirs entry Qt names a folder that may not exist; only a real one counts,
    // apart from the home folder itself, which the user folders all fall back to.
    if (folder != SpecialFolder::Profile && !QDir(host).exists())
        return std::nullopt;
    return m_drives.toLogical(host);
}
