#include "xdgspecialfolders.h"
#include "platform.h"

#include <QDir>
#include <QStandardPaths>

std::optional<QString> XdgSpecialFolders::path(SpecialFolder folder) const {
    QStandardPaths::StandardLocation location = QStandardPaths::HomeLocation;
    switch (folder) {
    case SpecialFolder::Desktop:
        location = QStandardPaths::DesktopLocation;
        break;
    case SpecialFolder::Documents:
        location = QStandardPaths::DocumentsLocation;
        break;
    case SpecialFolder::Pictures:
        location = QStandardPaths::PicturesLocation;
        break;
    case SpecialFolder::Music:
        location = QStandardPaths::MusicLocation;
        break;
    case SpecialFolder::Videos:
        location = QStandardPaths::MoviesLocation;
        break;
    case SpecialFolder::Downloads:
        location = QStandardPaths::DownloadLocation;
        break;
    case SpecialFolder::Profile:
        location = QStandardPaths::HomeLocation;
        break;
    case SpecialFolder::AppData:
        location = QStandardPaths::GenericDataLocation;
        break;
    }
    const QString host = QStandardPaths::writableLocation(location);
    if (host.isEmpty())
        return std::nullopt;
    // Without a user-dirs entry Qt names a folder that may not exist; only a real one counts,
    // apart from the home folder itself, which the user folders all fall back to.
    if (folder != SpecialFolder::Profile && !QDir(host).exists())
        return std::nullopt;
    return Platform::logicalPath(host);
}
