#include "fileresult.h"

#include <cerrno>
#include <cstring>

FileResult FileResult::fromErrno(int err, const QString& detail) {
    FileError e = FileError::Failed;
    switch (err) {
    case ENOENT:
        e = FileError::NotFound;
        break;
    case ENOTDIR:
        e = FileError::PathNotFound;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // opening a folder for writing, as Windows answers it
    case EBUSY:  // a mount point or a file in use
    case ETXTBSY:
        e = FileError::AccessDenied;
        break;
    case EEXIST:
    case ENOTEMPTY:
        e = FileError::AlreadyExists;
        break;
    case EXDEV:
        e = FileError::CrossDevice;
        break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        e = FileError::NoSpace;
        break;
    case EIO:
        e = FileError::ReadFailed;
        break;
    case ENOTSUP: // == EOPNOTSUPP on Linux
    case ENOSYS:
    case ENXIO: // a FIFO or device without its other end
    case ENODEV:
        e = FileError::NotSupported;
        break;
    default:
        break;
    }
    QString text = QString::fromLocal8Bit(std::strerror(err));
    return failure(e, detail.isEmpty() ? text : detail + ": " + text);
}
