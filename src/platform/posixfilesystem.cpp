#include "posixfilesystem.h"

// Placeholder bodies; being replaced by the real implementation.
namespace {
FileResult notYet() { return FileResult::failure(FileError::NotSupported); }
} // namespace

FileResult PosixFileSystem::list(const QString&, QList<FileInfo>&) const { return notYet(); }
std::optional<FileInfo> PosixFileSystem::info(const QString&) const { return std::nullopt; }
bool PosixFileSystem::isFolder(const QString&) const { return false; }
bool PosixFileSystem::exists(const QString&) const { return false; }
FileResult PosixFileSystem::copyFile(const QString&, const QString&, ReplaceMode,
                                     const CopyProgress&) {
    return notYet();
}
FileResult PosixFileSystem::rename(const QString&, const QString&) { return notYet(); }
FileResult PosixFileSystem::makeFolder(const QString&) { return notYet(); }
FileResult PosixFileSystem::removeFile(const QString&) { return notYet(); }
FileResult PosixFileSystem::removeFolder(const QString&) { return notYet(); }
FileResult PosixFileSystem::removeTree(const QString&) { return notYet(); }
FileResult PosixFileSystem::setReadOnly(const QString&, bool) { return notYet(); }
FileResult PosixFileSystem::setHidden(const QString&, bool) { return notYet(); }
