#pragma once

#include <QString>

// Why a platform operation failed. The program's own messages are worded by the callers;
// `detail` carries the host's explanation for diagnostics.
enum class FileError {
    None,
    NotFound,     // the file or folder itself is missing
    PathNotFound, // a folder on the way is missing
    AccessDenied,
    AlreadyExists,
    SameFile,    // source and target are one file (same device and inode)
    CrossDevice, // a rename that would cross file systems
    NoSpace,
    ReadFailed,
    WriteFailed,
    Unmappable,   // a path with no host form, or a host name with no logical form
    NotSupported, // FIFOs, devices and other kinds the operation refuses
    InvalidData,  // e.g. a settings value holding a line break
    Cancelled,
    Failed
};

class [[nodiscard]] FileResult {
public:
    FileResult() = default;
    static FileResult failure(FileError error, const QString& detail = {}) {
        FileResult r;
        r.m_error = error;
        r.m_detail = detail;
        return r;
    }
    // Maps an errno value of a failed system call.
    static FileResult fromErrno(int err, const QString& detail = {});

    bool ok() const { return m_error == FileError::None; }
    explicit operator bool() const { return ok(); }
    FileError error() const { return m_error; }
    const QString& detail() const { return m_detail; }

private:
    FileError m_error = FileError::None;
    QString m_detail;
};
