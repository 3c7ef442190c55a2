#pragma once

#include "platform/filesystem.h"

#include <memory>

class FaultPoints;

// A file system that fails where the fault points say and otherwise passes every call on.
class FaultyFileSystem : public FileSystem {
public:
    FaultyFileSystem(FaultPoints& faults, std::unique_ptr<FileSystem> inner);

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
    FileResult writeFile(const QString& path, const QByteArray& bytes) override;
    // A failing copy reports half the file done first, as a copy that breaks off would.
    FileResult copyFile(const QString& source, const QString& target, ReplaceMode mode,
                        const CopyProgress& progress) override;
    // Opening with `create` fails as making the folder; listing an open folder as listing
    // its path; copying from one as copying the entry's path.
    FileResult openFolder(const QString& path, bool create,
                          std::unique_ptr<OpenFolder>& folder) override;
    FileResult openSubfolder(const OpenFolder& parent, const QString& name, bool create,
                             std::unique_ptr<OpenFolder>& folder) override;
    std::unique_ptr<QIODevice> openForReading(const OpenFolder& folder, const QString& name,
                                              EntryKind kind, FileResult& result) const override;
    FileResult list(const OpenFolder& folder, QList<FileInfo>& entries, ListDetail detail,
                    ListOrder order) const override;
    FileResult copyFile(const OpenFolder& from, const FileInfo& entry, const OpenFolder& to,
                        const QString& name, ReplaceMode mode,
                        const CopyProgress& progress) override;
    // One file at a time, so that a test knows which copy meets a fault.
    void copyFiles(const OpenFolder& from, const QList<FileInfo>& entries, const OpenFolder& to,
                   ReplaceMode mode, const CopyProgress& progress, const CopyDone& done) override;
    FileResult rename(const QString& source, const QString& target) override;
    FileResult makeFolder(const QString& path) override;
    FileResult removeFile(const QString& path) override;
    FileResult removeFolder(const QString& path) override;
    FileResult removeTree(const QString& path) override;
    FileResult setReadOnly(const QString& path, bool readOnly) override;
    FileResult setHidden(const QString& path, bool hidden) override;

private:
    // The injected copy failure for the pair, after half the file was reported done.
    FileResult copyFault(const QString& source, const QString& target,
                         const CopyProgress& progress) const;

    FaultPoints& m_faults;
    std::unique_ptr<FileSystem> m_inner;
};
