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
// Files no larger than the kernel's usual read-ahead gain nothing from asking for more.
constexpr qint64 kReadAhead = 128 << 10;

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

int PosixCopier::openSource(Fd& in) {
    // O_NONBLOCK: should the source be swapped for a FIFO since it was looked at, opening it
    // must not wait for a writer. O_NOFOLLOW: nor may it have become a link.
    in.reset(::openat(m_fromDir, m_fromName.constData(),
                      O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    return in.valid() ? 0 : errno;
}

FileResult PosixCopier::refuseKind(mode_t mode) const {
    if (S_ISDIR(mode))
        return FileResult::failure(FileError::NotSupported,
                                   m_source + QStringLiteral(": a folder"));
    if (!S_ISREG(mode) && !S_ISLNK(mode))
        return FileResult::failure(
            FileError::NotSupported,
            m_source + QStringLiteral(": not a regular file (FIFO, socket or device)"));
    return {};
}

FileResult PosixCopier::run(int fromDir, const QByteArray& name, EntryKind kind, const Target& to,
                            const QByteArray& toName, ReplaceMode mode) {
    m_fromDir = fromDir;
    m_fromName = name;
    m_to = to;
    m_name = toName;
    if (toName.isEmpty() || toName == "." || toName == ".." || toName.contains('/'))
        return FileResult::failure(FileError::Failed,
                                   m_target + QStringLiteral(": not a file name"));
    if (name.isEmpty() || name == "." || name == "..")
        return refuseKind(S_IFDIR);

    // A file the listing saw is opened at once and looked at through its descriptor; what
    // else it may be is looked at first, so that nothing but a regular file is opened.
    Fd in;
    Meta sl; // the source entry itself
    int e = kind == EntryKind::File ? openSource(in) : ELOOP;
    if (e == 0) {
        if ((e = statAt(in.get(), "", true, sl)))
            return FileResult::fromErrno(e, m_source);
    } else if (e != ELOOP) {
        return FileResult::fromErrno(e, m_source);
    } else {
        if ((e = statAt(fromDir, name.constData(), false, sl)))
            return FileResult::fromErrno(e, m_source);
        if (FileResult refused = refuseKind(sl.mode); !refused)
            return refused;
        if (S_ISREG(sl.mode)) {
            if ((e = openSource(in)))
                return FileResult::fromErrno(e, m_source);
            Meta fm;
            if ((e = statAt(in.get(), "", true, fm)))
                return FileResult::fromErrno(e, m_source);
            if (!fm.sameInode(sl))
                return FileResult::failure(FileError::Failed,
                                           m_source + QStringLiteral(": changed while copying"));
            sl = fm;
        }
    }
    if (FileResult refused = refuseKind(sl.mode); !refused)
        return refused;
    if (!m_to.fresh)
        if (FileResult r = checkTarget(sl, mode); !r)
            return r;

    const FileResult r = S_ISLNK(sl.mode) ? copyLink(sl, mode) : copyRegular(in.get(), sl, mode);
    if (!r)
        removeTemporary();
    return r;
}

FileResult PosixCopier::checkTarget(const Meta& sl, ReplaceMode mode) {
    Meta tl;
    const int te = statAt(m_to.dir, m_name.constData(), false, tl);
    if (te == ENOENT)
        return {};
    if (te != 0)
        return FileResult::fromErrno(te, m_target);
    bool same = tl.sameInode(sl);
    if (!same && S_ISLNK(sl.mode)) {
        Meta sf; // a link source that leads to the target
        same = statAt(m_fromDir, m_fromName.constData(), true, sf) == 0 && tl.sameInode(sf);
    }
    if (!same && S_ISLNK(tl.mode) && S_ISREG(sl.mode)) {
        Meta tf; // a target that is a link to the source file
        same = statAt(m_to.dir, m_name.constData(), true, tf) == 0 && tf.sameInode(sl);
    }
    if (same)
        return FileResult::failure(FileError::SameFile, m_target);
    if (mode == ReplaceMode::Refuse)
        return FileResult::failure(FileError::AlreadyExists, m_target);
    if (S_ISDIR(tl.mode))
        return FileResult::failure(FileError::AlreadyExists,
                                   m_target + QStringLiteral(": a folder of that name exists"));
    return {};
}

FileResult PosixCopier::place(const Meta& sl, ReplaceMode mode) {
    // In a folder of our own no entry is expected: the name is taken without replacing, and
    // only an entry that came meanwhile is judged as in any other folder.
    FileResult placed =
        placeTemporary(m_to.dir, m_temp, m_name, m_to.fresh ? ReplaceMode::Refuse : mode, m_target);
    if (!placed && m_to.fresh && placed.error() == FileError::AlreadyExists) {
        placed = checkTarget(sl, mode);
        if (placed)
            placed = placeTemporary(m_to.dir, m_temp, m_name, mode, m_target);
    }
    if (placed)
        m_temp.clear();
    return placed;
}

FileResult PosixCopier::copyLink(const Meta& sl, ReplaceMode mode) {
    QByteArray text(std::max<qint64>(sl.size, 64) + 1, Qt::Uninitialized);
    for (;;) {
        const ssize_t n =
            ::readlinkat(m_fromDir, m_fromName.constData(), text.data(), size_t(text.size()));
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
        if (::symlinkat(text.constData(), m_to.dir, temp.constData()) == 0) {
            m_temp = temp;
            break;
        }
        if (errno != EEXIST || attempt > 100)
            return FileResult::fromErrno(errno, m_target);
    }
    const timespec times[2] = {sl.atime, sl.mtime};
    ::utimensat(m_to.dir, m_temp.constData(), times, AT_SYMLINK_NOFOLLOW);
    if (!report(0, 0))
        return cancelled();
    return place(sl, mode);
}

FileResult PosixCopier::copyRegular(int in, const Meta& fm, ReplaceMode mode) {
    if (fm.size > kReadAhead)
        ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL); // more read-ahead, as cp asks

    const qint64 total = fm.size;
    if (!report(0, total))
        return cancelled();

    // Created with the source's mode where the umask leaves it whole, so that it needs no
    // fchmod; writable for us until its attributes are set.
    const mode_t wanted = fm.mode & 0777;
    const mode_t created = wanted | S_IRUSR | S_IWUSR;
    Fd out;
    for (int attempt = 0;; ++attempt) {
        const QByteArray temp = temporaryName();
        const int fd = ::openat(m_to.dir, temp.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, created);
        if (fd >= 0) {
            out.reset(fd);
            m_temp = temp;
            break;
        }
        if (errno != EEXIST || attempt > 100)
            return FileResult::fromErrno(errno, m_target);
    }

    qint64 done = 0;
    if (const FileResult r = copyData(in, out.get(), fm, done); !r)
        return r;

    // Best effort, as cp does: a file system without modes (FAT) must not fail the copy.
    if (m_memory.mayHaveXattrs(fm.dev) && !DosAttrib::copy(in, out.get()))
        m_memory.hasNoXattrs(fm.dev);
    if (!m_to.plainModes || created != wanted || (created & m_to.umask) != 0)
        ::fchmod(out.get(), wanted);
    const timespec times[2] = {fm.atime, fm.mtime};
    ::futimens(out.get(), times);
    if (const int e = out.close()) // NFS and the like report late write errors here
        return e == EIO ? FileResult::failure(FileError::WriteFailed, m_target)
                        : FileResult::fromErrno(e, m_target);

    if (!report(done, done))
        return cancelled();
    return place(fm, mode);
}

FileResult PosixCopier::copyData(int in, int out, const Meta& fm, qint64& done) {
    done = 0;
    const qint64 total = fm.size;
    // A reflink shares the blocks at once, where the file system can (Btrfs, XFS). Where it
    // cannot, that holds for every file between the same two devices.
    if (total > 0 && m_memory.mayClone(fm.dev, m_to.device)) {
        if (::ioctl(out, FICLONE, in) == 0) {
            Meta m;
            done = statAt(out, "", true, m) == 0 ? m.size : total;
            return {};
        }
        if (errno == EOPNOTSUPP || errno == EXDEV || errno == EINVAL)
            m_memory.cannotClone(fm.dev, m_to.device);
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
            if (done >= total && total > 0)
                return {}; // all the size told of; no call more to hear the end
        } else {
            if (!buffer) {
                buffer.reset(new char[kBufferSize]);
                // Reads block again; a clone and copy_file_range pay no heed to the flag.
                ::fcntl(in, F_SETFL, 0);
            }
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
