#pragma once

#include "platform/specialfolders.h"

#include <QObject>
#include <optional>

// Lookup of the user's special folders, as logical paths.
class TMapper : public QObject {
    Q_OBJECT

public:
    explicit TMapper(QObject* owner);

    // The user's home folder; "C:" when it has no logical form.
    QString GetMyProfile() const;
    std::optional<QString> GetMyDesktop() const;
    std::optional<QString> GetMyDocuments() const;
    std::optional<QString> GetMyPictures() const;
    std::optional<QString> GetMyMusic() const;
    std::optional<QString> GetMyVideo() const;
    // There is no favourites folder on this platform unless the user chose one.
    std::optional<QString> GetMyFavorit() const;

protected:
    static std::optional<QString> existingFolder(SpecialFolder folder);
};
