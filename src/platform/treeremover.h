#pragma once

#include "fileresult.h"
#include "posixfd.h"
#include "posixmeta.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <vector>

// Removes whole folder trees from the host file system.
class TreeRemover {
public:
    // Removes the entry at a host path, for callers whose folders may have no logical path
    // (the trash) as well as for the file system. A link is unlinked, never followed; a
    // folder is walked relative to directory descriptors opened with O_NOFOLLOW, deepest
    // entries first, so a folder swapped for a link during the walk cannot redirect the
    // delete. Folders of ours that lack the write (or read) permission needed to empty them
    // are given it on the way, as the Windows delete ignores the read-only attribute of
    // folders. Stops at the first failure (in a folder whose subfolders are removed several
    // at a time, at the first one in the folder's order, once those under way are done).
    static FileResult removeHostTree(const QString& hostPath);

private:
    // Empties the folder open as `fd`, deepest entries first. Below `kOpenLevels` levels
    // the folder's descriptor is closed while a subfolder is emptied and opened again
    // through the subfolder's "..", checked to be the same folder, so that a deep tree does
    // not run out of descriptors. `fd` is open again when this returns.
    FileResult emptyFolder(PosixIo::Fd& fd, int depth, const QByteArray& where);

    // The subfolders `folders` of the folder open as `fd`, emptied and removed on helper
    // threads as well as this one.
    FileResult removeSubfolders(PosixIo::Fd& fd, const std::vector<QByteArray>& folders, int depth,
                                const QByteArray& where);
    // Empties and removes the subfolder `name`. With `self` (the folder's own identity) the
    // folder's descriptor is let go meanwhile, as emptyFolder() tells.
    FileResult removeSubfolder(PosixIo::Fd& fd, const QByteArray& name, int depth,
                               const QByteArray& where, const PosixIo::Meta* self);

    static constexpr int kOpenLevels = 128;
    // Helper threads for the first folder with several subfolders; none below it.
    int m_helpers = 0;

    // Gives a folder of ours the owner permissions `bits` it lacks; true when it changed.
    static bool grantOwner(int fd, mode_t bits);

    static FileResult fail(int e, const QByteArray& where, const QByteArray& name);
    // unlinkat, making the folder writable once when that is what stops it.
    static int unlinkIn(int dirfd, const char* name, int flags);
    // openat of a subfolder, never following a link; a folder of ours without read
    // permission is given it.
    static int openSubfolder(int dirfd, const char* name);
};
