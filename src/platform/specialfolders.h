#pragma once

#include <QString>
#include <optional>

enum class SpecialFolder {
    Desktop,
    Documents,
    Pictures,
    Music,
    Videos,
    Downloads,
    PublicShare, // the user's folder shared with others
    Profile,
    AppData,
    Programs, // the menu entries of the installed programs
    Favorites,
    CommonDocuments, // the all-users folders
    CommonPictures,
    CommonMusic,
    CommonVideos
};

// The user's special folders as logical paths; nullopt when this system has none (or the
// folder has no logical form).
class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;
    virtual std::optional<QString> path(SpecialFolder folder) const = 0;
};
