#include "faultyfilesystem.h"
#include "faultpoints.h"

#include "platform/logicalpath.h"
#include "platform/parallelbatch.h"

FaultyFileSystem::FaultyFileSystem(FaultPoints& faults, std::unique_ptr<FileSystem> inner)
    : m_faults(faults), m_inner(std::move(inner)) {}

FileResult FaultyFileSystem::list(const QString& folder, QList<FileInfo>& entries,
                                  ListDetail detail, ListOrder order) const {
    if (FileResult r = m_faults.check(FaultOp::List, {folder}); !r) {
        entries.clear();
        return r;
    }
    return m_inner->list(folder, entries, detail, order);
}

std::optional<FileInfo> FaultyFileSystem::info(const QString& path) const {
    return m_inner->info(path);
}

std::optional<FileIdentity> FaultyFileSystem::identity(const QString& path) const {
    return m_inner->identity(path);
}

bool FaultyFileSystem::isFolder(const QString& path) const {
    return m_inner->isFolder(path);
}

bool FaultyFileSystem::exists(const QString& path) const {
    return m_inner->exists(path);
}

bool FaultyFileSystem::isSameOrInside(const QString& path, const QString& folder) const {
    return m_inner->isSameOrInside(path, folder);
}

bool FaultyFileSystem::leadsInside(const QString& path, const QString& folder) const {
    return m_inner->leadsInside(path, folder);
}

FileResult FaultyFileSystem::readFile(const QString& path, QByteArray& bytes,
                                      qint64 maxBytes) const {
    if (FileResult fault = m_faults.check(FaultOp::Read, {path}); !fault)
        return fault;
    return m_inner->readFile(path, bytes, maxBytes);
}

FileResult FaultyFileSystem::writeFile(const QString& path, const QByteArray& bytes) {
    if (FileResult fault = m_faults.check(FaultOp::Write, {path}); !fault)
        return fault;
    return m_inner->writeFile(path, bytes);
}

std::unique_ptr<QIODevice> FaultyFileSystem::openForReading(const QString& path,
                                                            FileResult& result) const {
    return m_inner->openForReading(path, result);
}

FileResult FaultyFileSystem::copyFault(const QString& source, const QString& target,
                                       const CopyProgress& progress) const {
    FileResult r = m_faults.check(FaultOp::Copy, {source, target});
    if (!r && progress) {
        const auto info = m_inner->info(source);
        const qint64 size = info ? info->size : 0;
        progress(size / 2, size);
    }
    return r;
}

FileResult FaultyFileSystem::copyFile(const QString& source, const QString& target,
                                      ReplaceMode mode, const CopyProgress& progress) {
    if (FileResult r = copyFault(source, target, progress); !r)
        return r;
    return m_inner->copyFile(source, target, mode, progress);
}

FileResult FaultyFileSystem::openFolder(const QString& path, bool create,
                                        std::unique_ptr<OpenFolder>& folder) {
    if (create)
        if (FileResult r = m_faults.check(FaultOp::MakeFolder, {path}); !r)
            return r;
    return m_inner->openFolder(path, create, folder);
}

FileResult FaultyFileSystem::openSubfolder(const OpenFolder& parent, const QString& name,
                                           bool create, std::unique_ptr<OpenFolder>& folder) {
    if (create)
        if (FileResult r =
                m_faults.check(FaultOp::MakeFolder, {LogicalPath::join(parent.path(), name)});
            !r)
            return r;
    return m_inner->openSubfolder(parent, name, create, folder);
}

std::unique_ptr<QIODevice> FaultyFileSystem::openForReading(const OpenFolder& folder,
                                                            const QString& name, EntryKind kind,
                                                            FileResult& result) const {
    return m_inner->openForReading(folder, name, kind, result);
}

FileResult FaultyFileSystem::list(const OpenFolder& folder, QList<FileInfo>& entries,
                                  ListDetail detail, ListOrder order) const {
    if (FileResult r = m_faults.check(FaultOp::List, {folder.path()}); !r) {
        entries.clear();
        return r;
    }
    return m_inner->list(folder, entries, detail, order);
}

FileResult FaultyFileSystem::copyFile(const OpenFolder& from, const FileInfo& entry,
                                      const OpenFolder& to, const QString& name, ReplaceMode mode,
                                      const CopyProgress& progress) {
    if (FileResult r = copyFault(LogicalPath::join(from.path(), entry.name),
                                 LogicalPath::join(to.path(), name), progress);
        !r)
        return r;
    return m_inner->copyFile(from, entry, to, name, mode, progress);
}

void FaultyFileSystem::copyFiles(const OpenFolder& from, const QList<FileInfo>& entries,
                                 const OpenFolder& to, ReplaceMode mode,
                                 const CopyProgress& progress, const CopyDone& done) {
    ParallelBatch::copyFiles(*this, from, entries, to, mode, 0, progress, done);
}

FileResult FaultyFileSystem::rename(const QString& source, const QString& target) {
    if (FileResult r = m_faults.check(FaultOp::Rename, {source, target}); !r)
        return r;
    return m_inner->rename(source, target);
}

FileResult FaultyFileSystem::makeFolder(const QString& path) {
    if (FileResult r = m_faults.check(FaultOp::MakeFolder, {path}); !r)
        return r;
    return m_inner->makeFolder(path);
}

FileResult FaultyFileSystem::removeFile(const QString& path) {
    if (FileResult r = m_faults.check(FaultOp::RemoveFile, {path}); !r)
        return r;
    return m_inner->removeFile(path);
}

FileResult FaultyFileSystem::removeFolder(const QString& path) {
    if (FileResult r = m_faults.check(FaultOp::RemoveTree, {path}); !r)
        return r;
    return m_inner->removeFolder(path);
}

FileResult FaultyFileSystem::removeTree(const QString& path) {
    if (FileResult r = m_faults.check(FaultOp::RemoveTree, {path}); !r)
        return r;
    return m_inner->removeTree(path);
}

FileResult FaultyFileSystem::setReadOnly(const QString& path, bool readOnly) {
    return m_inner->setReadOnly(path, readOnly);
}

FileResult FaultyFileSystem::setHidden(const QString& path, bool hidden) {
    return m_inner->setHidden(path, hidden);
}
