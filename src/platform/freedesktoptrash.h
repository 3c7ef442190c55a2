#pragma once

#include "clock.h"
#include "drive.h"
#include "drivetable.h"
#include "recyclebin.h"

#include <QList>
#include <QString>

#include <optional>
#include <sys/types.h>

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

    // Moves the host entry `host` (on `device`, in the canonical `folder`) into its trash;
    // `homeReady`: the home trash, made ready by an earlier call.
    FileResult moveInto(const QString& host, dev_t device, const QString& folder,
                        const QString& fileName, bool homeReady);
    // The folder with every link on its way resolved; the last answer is given again while
    // both paths still lead to the same folder.
    QString canonicalFolder(const QString& folder);

    const DriveTable& m_drives;
    const Clock& m_clock;
    // The home trash and its device, once it was made ready for an item there.
    std::optional<dev_t> m_homeDevice;
    QString m_homeTrash;
    QString m_folder;
    QString m_canonical;
};
