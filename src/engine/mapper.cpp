#include "mapper.h"

#include "platform/platform.h"

TMapper::TMapper(QObject* owner) : QObject(owner) {}

std::optional<QString> TMapper::existingFolder(SpecialFolder folder) {
    const auto path = Platform::specialFolders().path(folder);
    if (path && Platform::files().isFolder(*path))
        return path;
    return std::nullopt;
}

QString TMapper::GetMyProfile() const {
    return existingFolder(SpecialFolder::Profile).value_or(QStringLiteral("C:"));
}

std::optional<QString> TMapper::GetMyDesktop() const {
    return existingFolder(SpecialFolder::Desktop);
}

std::optional<QString> TMapper::GetMyDocuments() const {
    return existingFolder(SpecialFolder::Documents);
}

std::optional<QString> TMapper::GetMyPictures() const {
    return existingFolder(SpecialFolder::Pictures);
}

std::optional<QString> TMapper::GetMyMusic() const {
    return existingFolder(SpecialFolder::Music);
}

std::optional<QString> TMapper::GetMyVideo() const {
    return existingFolder(SpecialFolder::Videos);
}

std::optional<QString> TMapper::GetMyFavorit() const {
    return std::nullopt;
}
