#pragma once

#include "filesystem.h"

// Files and folders of the drive table's host folders, through POSIX calls.
class PosixFileSystem : public FileSystem {
public:
    FileResult list(const QString& folder, QList<FileInfo>& entries) const override;
    std::optional<FileInfo> info(const QString& path) const override;
    bool isFolder(const QString& path) const override;
    bool exists(const QString& path) const override;
    FileResult copyFile(const QString& source, const QString& target, ReplaceMode mode,
                        const CopyProgress& progress) override;
    FileResult rename(const QString& source, const QString& target) override;
    FileResult makeFolder(const QString& path) override;
    FileResult removeFile(const QString& path) override;
    FileResult removeFolder(const QString& path) override;
    FileResult removeTree(const QString& path) override;
    FileResult setReadOnly(const QString& path, bool readOnly) override;
    FileResult setHidden(const QString& path, bool hidden) override;
};
