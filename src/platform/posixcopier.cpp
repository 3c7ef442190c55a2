#include "posixcopier.h"
#include "dosattrib.h"
#include "posixio.h"

#include <algorithm>
#include <cerrno>
#include <cstdio> // renameat2
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef FICLONE
#define FICLONE _IOW(0x94, 9, int) // <linux/fs.h>; not included, it clashes with glibc headers
#endif

using namespace PosixIo;

namespace {

constexpr size_t kRangeChunk = 8u << 20; // copy_file_range per call
constexpr size_t kBufferSize = 1u << 20; // read/write fallback

// Moves a finished temporary entry to its name in the same folder.
FileResult placeTemporary(int dirfd, const QByteArray& temp, const QByteArray& name,
                          ReplaceMode mode, const QString& target) {
    if (mode == ReplaceMode::Replace) {
        if (::renameat(dirfd, temp.constData(), dirfd, name.constData()) != 0)
            return FileResult::fromErrno(errno, target);
        return {};
    }
    if (::renameat2(dirfd, temp.constData(), dirfd, name.constData(), RENAME_NOREPLACE) == 0)
        return {};
    int e = errno;
    if (flagsUnsupported(e)) {
        // No RENAME_NOREPLACE here: a hard link never replaces either.
        if (::linkat(dirfd, temp.constData(), dirfd, name.constData(), 0) == 0) {
            ::unlinkat(dirfd, temp.constData(), 0);
            return {};
        }
        e = errno;
        if (e == EPERM || e == ENOTSUP || e == EMLINK || e == ENOSYS) {
            // Nor hard links (FAT): check, then rename.
            Meta m;
            if (statAt(dirfd, name.constData(), false, m) == 0)
                e = EEXIST;
            else if (::renameat(dirfd, temp.constData(), dirfd, name.constData()) == 0)
                return {};
            else
                e = errno;
        }
    }
    if (e == EEXIST)
        return FileResult::failure(FileError::AlreadyExists, target);
    return FileResult::fromErrno(e, target);
}

} // namespace

FileResult PosixCopier::run(const QByteArray& src, const QByteArray& dst, ReplaceMode mode) {
    Meta sl;
    if (const int e = lstatPath(src, sl))
        return FileResult::fromErrno(e, m_source);
    if (S_ISDIR(sl.mode))
        return FileResult::failure(FileError::NotSupported,
                                   m_source + QStringLiteral(": a folder"));
    if (!S_ISREG(sl.mode) && !S_ISLNK(sl.mode))
        return FileResult::failure(
            FileError::NotSupported,
            m_source + QStringLiteral(": not a regular file (FIFO, socket or device)"));
    Meta sf = sl; // the source followed, when it is a link that resolves
    const bool resolves = !S_ISLNK(sl.mode) || statPath(src, sf) == 0;

    const auto [folder, name] = splitHost(dst);
    if (name.isEmpty() || name == "." || name == "..")
        return FileResult::failure(FileError::Failed,
                                   m_target + QStringLiteral(": not a file name"));
    m_name = name;
    m_dir.reset(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!m_dir.valid()) {
        const int e = errno;
        if (e == ENOENT || e == ENOTDIR)
            return FileResult::failure(FileError::PathNotFound, display(folder));
        return FileResult::fromErrno(e, display(folder));
    }

    Meta tl;
    const int te = statAt(m_dir.get(), m_name.constData(), false, tl);
    if (te == 0) {
        bool same = tl.sameInode(sl) || (resolves && tl.sameInode(sf));
        if (!same && S_ISLNK(tl.mode) && S_ISREG(sl.mode)) {
            Meta tf; // a target that is a link to the source file
            same = statAt(m_dir.get(), m_name.constData(), true, tf) == 0 && tf.sameInode(sl);
        }
        if (same)
            return FileResult::failure(FileError::SameFile, m_target);
        if (mode == ReplaceMode::Refuse)
            return FileResult::failure(FileError::AlreadyExists, m_target);
        if (S_ISDIR(tl.mode))
            return FileResult::failure(FileError::AlreadyExists,
                                       m_target + QStringLiteral(": a folder of that name exists"));
    } else if (te != ENOENT) {
        return FileResult::fromErrno(te, m_target);
    }

    const FileResult r = S_ISLNK(sl.mode) ? copyLink(src, sl, mode) : copyRegular(src, sl, mode);
    if (!r)
        removeTemporary();
    return r;
}

FileResult PosixCopier::copyLink(const QByteArray& src, const Meta& sl, ReplaceMode mode) {
    QByteArray text(std::max<qint64>(sl.size, 64) + 1, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink(src.constData(), text.data(), size_t(text.size()));
        if (n < 0)
            return FileResult::fromErrno(errno, m_source);
        if (n < text.size()) {
            text.truncate(n);
            break;
        }
        if (text.size() > (1 << 20))
            return FileResult::failure(FileError::Failed, m_source);
        text.resize(text.size() * 2); // the link changed meanwhile
    }
    if (!report(0, 0))
        return cancelled();
    for (int attempt = 0;; ++attempt) {
        const QByteArray temp = temporaryName();
        if (::symlinkat(text.constData(), m_dir.get(), temp.constData()) == 0) {
            m_temp = temp;
            break;
        }
        if (errno != EEXIST || attempt > 100)
            return FileResult::fromErrno(errno, m_target);
    }
    const timespec times[2] = {sl.atime, sl.mtime};
    ::utimensat(m_dir.get(), m_temp.constData(), times, AT_SYMLINK_NOFOLLOW);
    if (!report(0, 0))
        return cancelled();
    const FileResult placed = placeTemporary(m_dir.get(), m_temp, m_name, mode, m_target);
    if (placed)
        m_temp.clear();
    return placed;
}

FileResult PosixCopier::copyRegular(const QByteArray& src, const Meta& sl, ReplaceMode mode) {
    // O_NONBLOCK: should the source be swapped for a FIFO since the lstat, opening it must
    // not wait for a writer. O_NOFOLLOW: nor may it have become a link.
    Fd in(::open(src.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!in.valid())
        return FileResult::fromErrno(errno, m_source);
    Meta fm;
    if (const int e = statAt(in.get(), "", true, fm))
        return FileResult::fromErrno(e, m_source);
    if (!S_ISREG(fm.mode))
        return FileResult::failure(FileError::NotSupported,
                                   m_source + QStringLiteral(": not a regular file"));
    if (!fm.sameInode(sl))
        return FileResult::failure(FileError::Failed,
                                   m_source + QStringLiteral(": changed while copying"));
    ::fcntl(in.get(), F_SETFL, ::fcntl(in.get(), F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL); // more read-ahead, as cp asks

    const qint64 total = fm.size;
    if (!report(0, total))
        return cancelled();

    Fd out;
    for (int attempt = 0;; ++attempt) {
        const QByteArray temp = temporaryName();
        const int fd = ::openat(m_dir.get(), temp.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            out.reset(fd);
            m_temp = temp;
            break;
        }
        if (errno != EEXIST || attempt > 100)
            return FileResult::fromErrno(errno, m_target);
    }

    qint64 done = 0;
    if (const FileResult r = copyData(in.get(), out.get(), total, done); !r)
        return r;

    // Best effort, as cp does: a file system without modes (FAT) must not fail the copy.
    ::fchmod(out.get(), fm.mode & 0777);
    const timespec times[2] = {fm.atime, fm.mtime};
    ::futimens(out.get(), times);
    DosAttrib::copy(in.get(), out.get());
    if (const int e = out.close()) // NFS and the like report late write errors here
        return e == EIO ? FileResult::failure(FileError::WriteFailed, m_target)
                        : FileResult::fromErrno(e, m_target);

    if (!report(done, done))
        return cancelled();
    const FileResult placed = placeTemporary(m_dir.get(), m_temp, m_name, mode, m_target);
    if (placed)
        m_temp.clear();
    return placed;
}

FileResult PosixCopier::copyData(int in, int out, qint64 total, qint64& done) {
    done = 0;
    // A reflink shares the blocks at once, where the file system can (Btrfs, XFS).
    if (total > 0 && ::ioctl(out, FICLONE, in) == 0) {
        Meta m;
        done = statAt(out, "", true, m) == 0 ? m.size : total;
        return {};
    }
    bool useRange = true;
    std::unique_ptr<char[]> buffer;
    for (;;) {
        if (useRange) {
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kRangeChunk, 0);
            if (n < 0) {
                const int e = errno;
                if (e == EINTR)
                    continue;
                if (e == EXDEV || e == ENOSYS || e == EINVAL || e == ENOTSUP || e == EBADF ||
                    e == ETXTBSY) {
                    useRange = false; // the read/write loop goes on from the same offsets
                    continue;
                }
                return FileResult::fromErrno(e, m_target);
            }
            if (n == 0) {
                if (done == 0 && total > 0) {
                    // Some file systems (proc, sys, some FUSE) answer 0 for data they generate.
                    useRange = false;
                    continue;
                }
                return {};
            }
            done += n;
        } else {
            if (!buffer)
                buffer.reset(new char[kBufferSize]);
            const ssize_t n = ::read(in, buffer.get(), kBufferSize);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                const int e = errno;
                return FileResult::failure(FileError::ReadFailed,
                                           m_source + QStringLiteral(": ") +
                                               QString::fromLocal8Bit(std::strerror(e)));
            }
            if (n == 0)
                return {};
            for (ssize_t written = 0; written < n;) {
                const ssize_t w = ::write(out, buffer.get() + written, size_t(n - written));
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    const int e = errno;
                    if (e == EIO)
                        return FileResult::failure(FileError::WriteFailed,
                                                   m_target + QStringLiteral(": ") +
                                                       QString::fromLocal8Bit(std::strerror(e)));
                    return FileResult::fromErrno(e, m_target);
                }
                written += w;
            }
            done += n;
        }
        if (done < total && !report(done, total))
            return cancelled();
    }
}
