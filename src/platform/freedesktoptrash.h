#pragma once

#include "recyclebin.h"

// The freedesktop.org trash: the home trash for files on the home folder's file system,
// "$topdir/.Trash-$uid" on other mounts.
class FreedesktopTrash : public RecycleBin {
public:
    FileResult moveToTrash(const QString& path) override;
    FileResult emptyDrive(QChar letter) override;
    bool hasItems(QChar letter) const override;
};
