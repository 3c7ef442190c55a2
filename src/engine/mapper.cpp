#include "mapper.h"

#include "platform/platform.h"

TMapper::TMapper(QObject* owner, EngineHost& host) : QObject(owner), host(host) {}

std::optional<QString> TMapper::existingFolder(SpecialFolder folder) {
    const auto path = Platform::specialFolders().path(folder);
    if (path && Platform::files().isFolder(*path))
        return path;
    return std::nullopt;
}

std::optional<QString> TMapper::findFolder(SpecialFolder folder, const QString& notFound,
                                           bool medBesked) {
    const auto path = existingFolder(folder);
    if (!path && medBesked)
        Platform::prompter().message(notFound, MessageKind::Error);
    return path;
}

std::optional<QString> TMapper::findPersonal(PersonligMappe chosen, SpecialFolder folder,
                                             const QString& notFound, bool medBesked) const {
    const QString own = host.personligMappe(chosen);
    if (!own.isEmpty() && Platform::files().isFolder(own))
        return own;
    return findFolder(folder, notFound, medBesked);
}

QString TMapper::GetMyProfile() const {
    return existingFolder(SpecialFolder::Profile).value_or(QStringLiteral("C:"));
}

std::optional<QString> TMapper::GetMyDesktop(bool medBesked) const {
    return findPersonal(PersonligMappe::Skrivebord, SpecialFolder::Desktop,
                        QStringLiteral("Kunne ikke finde skrivebordsmappen."), medBesked);
}

std::optional<QString> TMapper::GetMyDocuments(bool medBesked) const {
    return findPersonal(PersonligMappe::Dokumenter, SpecialFolder::Documents,
                        QStringLiteral("Kunne ikke finde dokumentmappen."), medBesked);
}

std::optional<QString> TMapper::GetMyPictures(bool medBesked) const {
    return findPersonal(PersonligMappe::Billeder, SpecialFolder::Pictures,
                        QStringLiteral("Kunne ikke finde billedmappen."), medBesked);
}

std::optional<QString> TMapper::GetMyMusic(bool medBesked) const {
    return findPersonal(PersonligMappe::Musik, SpecialFolder::Music,
                        QStringLiteral("Kunne ikke finde musikmappen."), medBesked);
}

std::optional<QString> TMapper::GetMyVideo(bool medBesked) const {
    return findPersonal(PersonligMappe::Videoer, SpecialFolder::Videos,
                        QStringLiteral("Kunne ikke finde videomappen."), medBesked);
}

std::optional<QString> TMapper::GetMyFavorit(bool medBesked) const {
    return findPersonal(PersonligMappe::Favoritter, SpecialFolder::Favorites,
                        QStringLiteral("Kunne ikke finde favoritmappen."), medBesked);
}

std::optional<QString> TMapper::GetMyApp(bool medBesked) const {
    return findFolder(SpecialFolder::AppData, QStringLiteral("Kunne ikke finde programmappen."),
                      medBesked);
}

std::optional<QString> TMapper::GetStartMenuPrograms(bool medBesked) const {
    return findFolder(SpecialFolder::Programs, QStringLiteral("Kunne ikke finde startmenumappen."),
                      medBesked);
}

std::optional<QString> TMapper::GetCommonDocuments(bool medBesked) const {
    return findFolder(SpecialFolder::CommonDocuments,
                      QStringLiteral("Kunne ikke finde dokumentmappen for alle brugere."),
                      medBesked);
}

std::optional<QString> TMapper::GetCommonPictures(bool medBesked) const {
    return findFolder(SpecialFolder::CommonPictures,
                      QStringLiteral("Kunne ikke finde billedmappen for alle brugere."), medBesked);
}

std::optional<QString> TMapper::GetCommonMusic(bool medBesked) const {
    return findFolder(SpecialFolder::CommonMusic,
                      QStringLiteral("Kunne ikke finde musikmappen for alle brugere."), medBesked);
}

std::optional<QString> TMapper::GetCommonVideo(bool medBesked) const {
    return findFolder(SpecialFolder::CommonVideos,
                      QStringLiteral("Kunne ikke finde videomappen for alle brugere."), medBesked);
}

std::optional<QString> TMapper::GetAllUsers(bool medBesked) const {
    return findFolder(SpecialFolder::PublicShare,
                      QStringLiteral("Kunne ikke finde mappen for alle brugere."), medBesked);
}

std::optional<QString> TMapper::GetMyDownLoad(bool medBesked) const {
    return findFolder(SpecialFolder::Downloads,
                      QStringLiteral("Kunne ikke finde overførselsmappen."), medBesked);
}

QString TMapper::GetCameraPath() const {
    return existingFolder(SpecialFolder::Pictures).value_or(QString());
}
