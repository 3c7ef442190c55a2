#pragma once

#include "enginehost.h"

#include "platform/specialfolders.h"

#include <QObject>
#include <optional>

// Lookup of the user's and all users' special folders, as logical paths. A lookup that
// finds no folder gives nullopt and, unless medBesked is false, tells the user so in an
// error box; the command that asked for the folder ends there.
class TMapper : public QObject {
    Q_OBJECT

public:
    TMapper(QObject* owner, EngineHost& host);

    // The user's home folder; "C:" when it has no logical form.
    QString GetMyProfile() const;
    // The folder the user chose in the personal folders dialog if it exists, else the
    // system's own.
    std::optional<QString> GetMyDesktop(bool medBesked = true) const;
    std::optional<QString> GetMyDocuments(bool medBesked = true) const;
    std::optional<QString> GetMyPictures(bool medBesked = true) const;
    std::optional<QString> GetMyMusic(bool medBesked = true) const;
    std::optional<QString> GetMyVideo(bool medBesked = true) const;
    std::optional<QString> GetMyFavorit(bool medBesked = true) const;
    std::optional<QString> GetMyApp(bool medBesked = true) const;
    std::optional<QString> GetStartMenuPrograms(bool medBesked = true) const;
    std::optional<QString> GetCommonDocuments(bool medBesked = true) const;
    std::optional<QString> GetCommonPictures(bool medBesked = true) const;
    std::optional<QString> GetCommonMusic(bool medBesked = true) const;
    std::optional<QString> GetCommonVideo(bool medBesked = true) const;
    // The folder the user shares with the other users of the machine.
    std::optional<QString> GetAllUsers(bool medBesked = true) const;
    // The logged-on user's downloads folder.
    std::optional<QString> GetMyDownLoad(bool medBesked = true) const;
    // The pictures folder, or empty, without a message.
    QString GetCameraPath() const;

protected:
    // The system's folder if it exists, without a message.
    static std::optional<QString> existingFolder(SpecialFolder folder);

    EngineHost& host;

private:
    static std::optional<QString> findFolder(SpecialFolder folder, const QString& notFound,
                                             bool medBesked);
    std::optional<QString> findPersonal(PersonligMappe chosen, SpecialFolder folder,
                                        const QString& notFound, bool medBesked) const;
};
