#pragma once

#include "drivetable.h"
#include "specialfolders.h"

// The XDG user directories (user-dirs.dirs in $XDG_CONFIG_HOME), the home folder, the
// user's data folder and its menu of installed programs.
class XdgSpecialFolders : public SpecialFolders {
public:
    // `drives` must outlive the folders.
    explicit XdgSpecialFolders(const DriveTable& drives);

    std::optional<QString> path(SpecialFolder folder) const override;

private:
    const DriveTable& m_drives;
};
