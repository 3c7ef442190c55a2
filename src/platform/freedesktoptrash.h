#pragma once

#include "clock.h"
#include "drive.h"
#include "drivetable.h"
#include "recyclebin.h"

#include <QList>

// The freedesktop.org trash: the home trash for files on the home folder's file system,
// "$topdir/.Trash-$uid" on other mounts.
class FreedesktopTrash : public RecycleBin {
public:
    // Both must outlive the trash: `drives` maps the paths, `clock` dates the deletions.
    FreedesktopTrash(const DriveTable& drives, const Clock& clock);

    FileResult moveToTrash(const QString& path) override;
    FileResult emptyDrive(QChar letter) override;
    bool hasItems(QChar letter) const override;

private:
    // A trashed item: the trash holding it, its .trashinfo file and its entry in files/
    // (which may be missing).
    struct Item {
        QString trash;
        QString infoFile;
        QString entry;
    };
    // The items of every trash the drive's files can be in whose original path lies on it,
    // each with a well-formed info file name.
    QList<Item> itemsOf(const Drive& drive) const;

    const DriveTable& m_drives;
    const Clock& m_clock;
};
