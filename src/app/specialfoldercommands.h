#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

class QAction;
class Tmainform;

// The commands that show the user's special folders: in the file pane (the list commands
// and the action bar's buttons), as a one-folder dot structure in the folder tree (the
// drop-down of the folder tree's bar), and all of them at once as a history or dot
// structure.
class SpecialFolderCommands {
public:
    explicit SpecialFolderCommands(Tmainform& window);

    // Every special folder that exists, each with its label, in their fixed order.
    void collect(QStringList& folders, QStringList& labels) const;

private:
    // Finds a folder; with `medBesked` a folder that is not found has been reported.
    using Lookup = std::function<std::optional<QString>(bool medBesked)>;

    // A folder of the user's own settings: "Mappen blev ikke fundet." when it does not exist.
    Lookup ownSetting(const QString& folder) const;
    // A camera folder, set to `fallback`'s folder when it is not an existing folder.
    Lookup camera(QString& setting, Lookup fallback) const;

    // The commands' effect: the folder in the file pane.
    void inFilePane(std::initializer_list<const char*> commands, const Lookup& lookup);
    void asDotStructure(QAction* item, const Lookup& lookup);

    Tmainform& w;
    Lookup desktop, documents, favourites, pictures, music, videos, oneDrive, contacts, downloads,
        startMenu, appData, allUsers, cameraPictures, cameraFilms;
};
