#pragma once

#include "filesystem.h"
#include "posixfd.h"
#include "posixmeta.h"

#include <optional>

class DriveTable;

// Files and folders of the drive table's host folders, through POSIX calls.
//
// Attributes on Linux: read-only = no write permission bit for anyone; hidden = the name
// begins with "." or is listed in the folder's ".hidden" file; archive and system come from
// the "user.DOSATTRIB" extended attribute (as samba writes it) and are false without it.
// Sizes are those of files; folders, links and other kinds report 0, as on Windows.
class PosixFileSystem : public FileSystem {
public:
    // Logical paths are mapped through `drives`, which must outlive the file system.
    explicit PosixFileSystem(const DriveTable& drives);

    using FileSystem::list;
    FileResult list(const QString& folder, QList<FileInfo>& entries, ListDetail detail,
                    ListOrder order) const override;
    std::optional<FileInfo> info(const QString& path) const override;
    std::optional<FileIdentity> identity(const QString& path) const override;
    bool isFolder(const QString& path) const override;
    bool exists(const QString& path) const override;
    bool isSameOrInside(const QString& path, const QString& folder) const override;
    bool leadsInside(const QString& path, const QString& folder) const override;
    FileResult readFile(const QString& path, QByteArray& bytes, qint64 maxBytes) const override;
    std::unique_ptr<QIODevice> openForReading(const QString& path,
                                              FileResult& result) const override;
    std::unique_ptr<QIODevice> openForReading(const OpenFolder& folder, const QString& name,
                                              EntryKind kind, FileResult& result) const override;
    FileResult writeFile(const QString& path, const QByteArray& bytes) override;
    FileResult copyFile(const QString& source, const QString& target, ReplaceMode mode,
                        const CopyProgress& progress) override;
    FileResult openFolder(const QString& path, bool create,
                          std::unique_ptr<OpenFolder>& folder) override;
    FileResult openSubfolder(const OpenFolder& parent, const QString& name, bool create,
                             std::unique_ptr<OpenFolder>& folder) override;
    FileResult list(const OpenFolder& folder, QList<FileInfo>& entries, ListDetail detail,
                    ListOrder order) const override;
    FileResult copyFile(const OpenFolder& from, const FileInfo& entry, const OpenFolder& to,
                        const QString& name, ReplaceMode mode,
                        const CopyProgress& progress) override;
    // Several files at a time, on helper threads.
    void copyFiles(const OpenFolder& from, const QList<FileInfo>& entries, const OpenFolder& to,
                   ReplaceMode mode, const CopyProgress& progress, const CopyDone& done) override;
    FileResult rename(const QString& source, const QString& target) override;
    // An existing folder is success; an existing entry of another kind is AlreadyExists.
    FileResult makeFolder(const QString& path) override;
    FileResult removeFile(const QString& path) override;
    FileResult removeFolder(const QString& path) override;
    FileResult removeTree(const QString& path) override;
    FileResult setReadOnly(const QString& path, bool readOnly) override;
    FileResult setHidden(const QString& path, bool hidden) override;

private:
    std::optional<QByteArray> hostBytes(const QString& logical) const;
    // Lists the folder open as `fd`, which it takes over; `host` and `folder` name it.
    FileResult listOpen(int fd, const QByteArray& host, const QString& folder,
                        QList<FileInfo>& entries, ListDetail detail, ListOrder order) const;
    // The host path of an existing entry and what lstat says of it, or why there is none.
    FileResult examine(const QString& path, QByteArray& host, PosixIo::Meta& m) const;
    // Opens a regular file (or a link to one) for reading; anything else is refused before
    // it is opened, and an entry swapped for a FIFO meanwhile is opened without blocking
    // and refused all the same.
    FileResult openRegular(const QString& path, PosixIo::Fd& fd, PosixIo::Meta& m) const;
    // The same for the entry `name` of the folder open as `dirfd` (or a path and AT_FDCWD);
    // an entry listed as a File is opened before it is looked at (openForReading()).
    static FileResult openRegularAt(int dirfd, const QByteArray& name, const QString& path,
                                    EntryKind kind, PosixIo::Fd& fd, PosixIo::Meta& m);
    // A file or link (folder false) or an empty folder (folder true).
    FileResult removeEntry(const QString& path, bool folder);

    const DriveTable& m_drives;
};
