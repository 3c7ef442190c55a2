#include "freedesktoptrash.h"

// Placeholder bodies; being replaced by the real implementation.
FileResult FreedesktopTrash::moveToTrash(const QString&) {
    return FileResult::failure(FileError::NotSupported);
}
FileResult FreedesktopTrash::emptyDrive(QChar) {
    return FileResult::failure(FileError::NotSupported);
}
bool FreedesktopTrash::hasItems(QChar) const { return false; }
