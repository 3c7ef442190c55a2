#pragma once

#include "specialfolders.h"

// The XDG user directories (user-dirs.dirs in $XDG_CONFIG_HOME), the home folder, the
// user's data folder and its menu of installed programs.
class XdgSpecialFolders : public SpecialFolders {
public:
    std::optional<QString> path(SpecialFolder folder) const override;
};
