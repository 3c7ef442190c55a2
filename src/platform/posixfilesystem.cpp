#include "posixfilesystem.h"

#include "drivetable.h"
#include "logicalpath.h"
#include "platform.h"
#include "textfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits> // PATH_MAX
#include <cstdio>  // renameat2
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

#ifndef FICLONE
#define FICLONE _IOW(0x94, 9, int) // <linux/fs.h>; not included, it clashes with glibc headers
#endif

namespace {

constexpr const char* kDosAttrib = "user.DOSATTRIB";
constexpr unsigned kDosArchive = 0x20;
constexpr unsigned kDosSystem = 0x4;
constexpr size_t kRangeChunk = 8u << 20;     // copy_file_range per call
constexpr size_t kBufferSize = 1u << 20;     // read/write fallback
constexpr qint64 kHiddenFileLimit = 4 << 20; // a ".hidden" file larger than this is ignored

// ---------------------------------------------------------------------------------------
// Small tools

class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Hands the descriptor over to a new owner.
    int release() { return std::exchange(m_fd, -1); }
    // Closes and reports the error close() gave (0 when none).
    int close() {
        if (m_fd < 0)
            return 0;
        const int r = ::close(std::exchange(m_fd, -1));
        return r == 0 || errno == EINTR ? 0 : errno;
    }

private:
    int m_fd = -1;
};

FileResult unmappable(const QString& path) {
    return FileResult::failure(FileError::Unmappable, path);
}

FileResult failed(FileError error, const QString& detail) {
    return FileResult::failure(error, detail);
}

std::optional<QByteArray> hostBytes(const QString& logical) {
    const auto host = Platform::hostPath(logical);
    if (!host)
        return std::nullopt;
    return QFile::encodeName(*host);
}

QString display(const QByteArray& host) {
    return QFile::decodeName(host);
}

// "/a/b/c" -> ("/a/b", "c"); "/c" -> ("/", "c"); "/" -> ("/", "").
std::pair<QByteArray, QByteArray> splitHost(const QByteArray& host) {
    const qsizetype slash = host.lastIndexOf('/');
    if (slash < 0)
        return {QByteArray("."), host};
    return {slash == 0 ? QByteArray("/") : host.left(slash), host.mid(slash + 1)};
}

QByteArray joinHost(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// A unique name beginning with "." for a temporary entry in a folder.
QByteArray temporaryName() {
    static quint32 counter = 0;
    return QByteArray(".ravnsti-") + QByteArray::number(qint64(::getpid())) + '-' +
           QByteArray::number(++counter) + '-' +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
}

// What a stat call tells of an entry.
struct Meta {
    mode_t mode = 0;
    dev_t dev = 0;
    ino_t ino = 0;
    uid_t uid = 0;
    qint64 size = 0;
    timespec atime{};
    timespec mtime{};
    timespec ctime{};
    timespec btime{};
    bool hasBirth = false;

    bool sameInode(const Meta& other) const { return dev == other.dev && ino == other.ino; }
};

// statx (for the birth time) where the kernel has it, else fstatat. `name` empty: the
// descriptor itself. Returns 0 or the errno value.
int statAt(int dirfd, const char* name, bool follow, Meta& m) {
    static bool noStatx = false;
    const bool self = name[0] == '\0';
    if (!noStatx) {
        struct statx sx;
        int flags = AT_STATX_SYNC_AS_STAT | (follow ? 0 : AT_SYMLINK_NOFOLLOW);
        if (self)
            flags |= AT_EMPTY_PATH;
        if (::statx(dirfd, name, flags, STATX_BASIC_STATS | STATX_BTIME, &sx) == 0) {
            m.mode = sx.stx_mode;
            m.dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
            m.ino = sx.stx_ino;
            m.uid = sx.stx_uid;
            m.size = qint64(sx.stx_size);
            m.atime = {time_t(sx.stx_atime.tv_sec), long(sx.stx_atime.tv_nsec)};
            m.mtime = {time_t(sx.stx_mtime.tv_sec), long(sx.stx_mtime.tv_nsec)};
            m.ctime = {time_t(sx.stx_ctime.tv_sec), long(sx.stx_ctime.tv_nsec)};
            m.hasBirth = (sx.stx_mask & STATX_BTIME) != 0;
            if (m.hasBirth)
                m.btime = {time_t(sx.stx_btime.tv_sec), long(sx.stx_btime.tv_nsec)};
            return 0;
        }
        const int e = errno;
        if (e == ENOSYS)
            noStatx = true;
        else if (e != EPERM) // a seccomp filter may refuse statx itself with EPERM
            return e;
    }
    struct stat st;
    const int flags = (follow ? 0 : AT_SYMLINK_NOFOLLOW) | (self ? AT_EMPTY_PATH : 0);
    if (::fstatat(dirfd, name, &st, flags) != 0)
        return errno;
    m.mode = st.st_mode;
    m.dev = st.st_dev;
    m.ino = st.st_ino;
    m.uid = st.st_uid;
    m.size = qint64(st.st_size);
    m.atime = st.st_atim;
    m.mtime = st.st_mtim;
    m.ctime = st.st_ctim;
    m.hasBirth = false;
    return 0;
}

int lstatPath(const QByteArray& path, Meta& m) {
    return statAt(AT_FDCWD, path.constData(), false, m);
}

// The host path of an existing entry and what lstat says of it, or why there is none.
FileResult examine(const QString& path, QByteArray& host, Meta& m) {
    const auto bytes = hostBytes(path);
    if (!bytes)
        return unmappable(path);
    host = *bytes;
    if (const int e = lstatPath(host, m))
        return FileResult::fromErrno(e, path);
    return {};
}
int statPath(const QByteArray& path, Meta& m) {
    return statAt(AT_FDCWD, path.constData(), true, m);
}

EntryKind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    if (S_ISLNK(mode))
        return EntryKind::Link;
    return EntryKind::Other;
}

QDateTime toDateTime(const timespec& ts) {
    return QDateTime::fromMSecsSinceEpoch(qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000);
}

// A folder's ".hidden" file: missing, readable (its bytes) or one the program will not read
// (not a regular file, larger than the limit, or unreadable). Never waits on a FIFO.
enum class HiddenFile { Missing, Read, Unusable };

HiddenFile readHiddenFile(int dirfd, QByteArray& bytes) {
    bytes.clear();
    Fd fd(::openat(dirfd, ".hidden", O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid())
        return errno == ENOENT ? HiddenFile::Missing : HiddenFile::Unusable;
    Meta m;
    if (statAt(fd.get(), "", true, m) != 0 || !S_ISREG(m.mode) || m.size > kHiddenFileLimit)
        return HiddenFile::Unusable;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            return HiddenFile::Read;
        if (n < 0 || bytes.size() + n > kHiddenFileLimit) {
            bytes.clear();
            return HiddenFile::Unusable;
        }
        bytes.append(buffer, n);
    }
}

// The names of a folder's ".hidden" file (one per line), as host bytes.
QSet<QByteArray> readHiddenList(int dirfd) {
    QSet<QByteArray> names;
    QByteArray bytes;
    readHiddenFile(dirfd, bytes);
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            names.insert(line);
    }
    return names;
}

QSet<QByteArray> readHiddenListOf(const QByteArray& folder) {
    Fd dir(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() ? readHiddenList(dir.get()) : QSet<QByteArray>();
}

// Archive and system from samba's "user.DOSATTRIB": a "0x" hex string, NUL-ended when it
// heads samba's binary form. `supported` turns false when the file system has no xattrs.
void readDosAttrib(const QByteArray& path, FileInfo& info, bool& supported) {
    if (!supported)
        return;
    QByteArray value(256, Qt::Uninitialized);
    ssize_t n = ::lgetxattr(path.constData(), kDosAttrib, value.data(), size_t(value.size()));
    if (n < 0 && errno == ERANGE) {
        const ssize_t needed = ::lgetxattr(path.constData(), kDosAttrib, nullptr, 0);
        if (needed > 0 && needed < (1 << 16)) {
            value.resize(needed);
            n = ::lgetxattr(path.constData(), kDosAttrib, value.data(), size_t(value.size()));
        }
    }
    if (n < 0) {
        if (errno == ENOTSUP)
            supported = false;
        return;
    }
    value.truncate(n);
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    value = value.trimmed();
    if (!value.startsWith("0x") && !value.startsWith("0X"))
        return;
    bool ok = false;
    const uint flags = value.mid(2).toUInt(&ok, 16);
    if (!ok)
        return;
    info.archive = (flags & kDosArchive) != 0;
    info.system = (flags & kDosSystem) != 0;
}

// The name, whether a logical path can hold it, and the hidden dot.
void describeName(FileInfo& info, const QByteArray& rawName) {
    info.name = QFile::decodeName(rawName);
    // A name must survive the way back to bytes too, else no logical path can reach it.
    info.mappable =
        DriveTable::isMappableName(info.name) && QFile::encodeName(info.name) == rawName;
    info.hidden = rawName.startsWith('.');
}

// Fills everything but the attributes that need the folder (hidden list) or the path.
void describe(FileInfo& info, const QByteArray& rawName, const Meta& m) {
    describeName(info, rawName);
    info.kind = kindOf(m.mode);
    info.size = info.kind == EntryKind::File ? m.size : 0;
    info.created = toDateTime(m.hasBirth ? m.btime : m.ctime);
    info.modified = toDateTime(m.mtime);
    info.accessed = toDateTime(m.atime);
    info.readOnly = (m.mode & 0222) == 0;
}

EntryKind linkTargetKind(int dirfd, const char* name) {
    Meta t;
    if (statAt(dirfd, name, true, t) != 0)
        return EntryKind::Other;
    const EntryKind k = kindOf(t.mode);
    return k == EntryKind::File || k == EntryKind::Folder ? k : EntryKind::Other;
}

// The umask without changing it (Linux >= 4.7 shows it in /proc), else by setting it back.
mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask);
            }
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool flagsUnsupported(int e) {
    return e == EINVAL || e == ENOSYS || e == ENOTSUP;
}

// renameat2(RENAME_NOREPLACE), or check-then-rename where the file system lacks it.
int renameNoReplace(int fromDir, const char* from, int toDir, const char* to) {
    if (::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)
        return 0;
    const int e = errno;
    if (!flagsUnsupported(e))
        return e;
    Meta m;
    if (statAt(toDir, to, false, m) == 0)
        return EEXIST;
    return ::renameat(fromDir, from, toDir, to) == 0 ? 0 : errno;
}

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
        return failed(FileError::AlreadyExists, target);
    return FileResult::fromErrno(e, target);
}

// Keeps the source's archive/system attributes with the copy (where xattrs exist at all).
void copyDosAttrib(int in, int out) {
    char value[512];
    const ssize_t n = ::fgetxattr(in, kDosAttrib, value, sizeof value);
    if (n > 0)
        ::fsetxattr(out, kDosAttrib, value, size_t(n), 0);
}

// ---------------------------------------------------------------------------------------
// Copying

class Copier {
public:
    Copier(const QString& source, const QString& target, const CopyProgress& progress)
        : m_source(source), m_target(target), m_progress(progress) {}

    FileResult run(const QByteArray& src, const QByteArray& dst, ReplaceMode mode);

private:
    FileResult copyLink(const QByteArray& src, const Meta& sl, ReplaceMode mode);
    FileResult copyRegular(const QByteArray& src, const Meta& sl, ReplaceMode mode);
    // Copies the contents from `in` to `out`; `done` receives the bytes copied.
    FileResult copyData(int in, int out, qint64 total, qint64& done);
    bool report(qint64 done, qint64 total) { return !m_progress || m_progress(done, total); }
    void removeTemporary() {
        if (!m_temp.isEmpty())
            ::unlinkat(m_dir.get(), m_temp.constData(), 0);
        m_temp.clear();
    }
    FileResult cancelled() { return failed(FileError::Cancelled, m_target); }

    QString m_source;
    QString m_target;
    const CopyProgress& m_progress;
    Fd m_dir;          // the target's folder
    QByteArray m_name; // the target's name in it
    QByteArray m_temp; // the temporary entry while one exists
};

FileResult Copier::run(const QByteArray& src, const QByteArray& dst, ReplaceMode mode) {
    Meta sl;
    if (const int e = lstatPath(src, sl))
        return FileResult::fromErrno(e, m_source);
    if (S_ISDIR(sl.mode))
        return failed(FileError::NotSupported, m_source + QStringLiteral(": a folder"));
    if (!S_ISREG(sl.mode) && !S_ISLNK(sl.mode))
        return failed(FileError::NotSupported,
                      m_source + QStringLiteral(": not a regular file (FIFO, socket or device)"));
    Meta sf = sl; // the source followed, when it is a link that resolves
    const bool resolves = !S_ISLNK(sl.mode) || statPath(src, sf) == 0;

    const auto [folder, name] = splitHost(dst);
    if (name.isEmpty() || name == "." || name == "..")
        return failed(FileError::Failed, m_target + QStringLiteral(": not a file name"));
    m_name = name;
    m_dir.reset(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!m_dir.valid()) {
        const int e = errno;
        if (e == ENOENT || e == ENOTDIR)
            return failed(FileError::PathNotFound, display(folder));
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
            return failed(FileError::SameFile, m_target);
        if (mode == ReplaceMode::Refuse)
            return failed(FileError::AlreadyExists, m_target);
        if (S_ISDIR(tl.mode))
            return failed(FileError::AlreadyExists,
                          m_target + QStringLiteral(": a folder of that name exists"));
    } else if (te != ENOENT) {
        return FileResult::fromErrno(te, m_target);
    }

    const FileResult r = S_ISLNK(sl.mode) ? copyLink(src, sl, mode) : copyRegular(src, sl, mode);
    if (!r)
        removeTemporary();
    return r;
}

FileResult Copier::copyLink(const QByteArray& src, const Meta& sl, ReplaceMode mode) {
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
            return failed(FileError::Failed, m_source);
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

FileResult Copier::copyRegular(const QByteArray& src, const Meta& sl, ReplaceMode mode) {
    // O_NONBLOCK: should the source be swapped for a FIFO since the lstat, opening it must
    // not wait for a writer. O_NOFOLLOW: nor may it have become a link.
    Fd in(::open(src.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!in.valid())
        return FileResult::fromErrno(errno, m_source);
    Meta fm;
    if (const int e = statAt(in.get(), "", true, fm))
        return FileResult::fromErrno(e, m_source);
    if (!S_ISREG(fm.mode))
        return failed(FileError::NotSupported, m_source + QStringLiteral(": not a regular file"));
    if (!fm.sameInode(sl))
        return failed(FileError::Failed, m_source + QStringLiteral(": changed while copying"));
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
    copyDosAttrib(in.get(), out.get());
    if (const int e = out.close()) // NFS and the like report late write errors here
        return e == EIO ? failed(FileError::WriteFailed, m_target)
                        : FileResult::fromErrno(e, m_target);

    if (!report(done, done))
        return cancelled();
    const FileResult placed = placeTemporary(m_dir.get(), m_temp, m_name, mode, m_target);
    if (placed)
        m_temp.clear();
    return placed;
}

FileResult Copier::copyData(int in, int out, qint64 total, qint64& done) {
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
                return failed(FileError::ReadFailed, m_source + QStringLiteral(": ") +
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
                        return failed(FileError::WriteFailed,
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

// ---------------------------------------------------------------------------------------
// Removing trees

int removeHostFile(const QByteArray& path) {
    return ::unlink(path.constData()) == 0 ? 0 : errno;
}

// Gives a folder of ours the owner permissions `bits` it lacks; true when it changed.
bool grantOwner(int fd, mode_t bits) {
    Meta m;
    if (statAt(fd, "", true, m) != 0 || m.uid != ::geteuid() || (m.mode & bits) == bits)
        return false;
    return ::fchmod(fd, (m.mode & 07777) | bits) == 0;
}

class TreeRemover {
public:
    // Empties the folder open as `fd`, deepest entries first. Below `kOpenLevels` levels
    // the folder's descriptor is closed while a subfolder is emptied and opened again
    // through the subfolder's "..", checked to be the same folder, so that a deep tree does
    // not run out of descriptors. `fd` is open again when this returns.
    FileResult emptyFolder(Fd& fd, int depth, const QByteArray& where);

private:
    static constexpr int kOpenLevels = 128;

    FileResult fail(int e, const QByteArray& where, const QByteArray& name) {
        return FileResult::fromErrno(e, display(joinHost(where, name)));
    }
    // unlinkat, making the folder writable once when that is what stops it.
    int unlinkIn(int dirfd, const char* name, int flags) {
        if (::unlinkat(dirfd, name, flags) == 0)
            return 0;
        int e = errno;
        if ((e == EACCES || e == EPERM) && grantOwner(dirfd, S_IWUSR | S_IXUSR))
            e = ::unlinkat(dirfd, name, flags) == 0 ? 0 : errno;
        return e;
    }
    int openSubfolder(int dirfd, const char* name) {
        int sub = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (sub < 0 && errno == EACCES) {
            // A folder of ours without read permission: grant it, without following a link.
            Meta m;
            if (statAt(dirfd, name, false, m) == 0 && S_ISDIR(m.mode) && m.uid == ::geteuid() &&
                ::fchmodat(dirfd, name, (m.mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW) == 0)
                sub = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            else
                errno = EACCES;
        }
        return sub;
    }
};

FileResult TreeRemover::emptyFolder(Fd& fd, int depth, const QByteArray& where) {
    Meta self;
    if (const int e = statAt(fd.get(), "", false, self))
        return FileResult::fromErrno(e, display(where));

    // The names first, so that only one descriptor per level stays open while descending.
    std::vector<std::pair<QByteArray, unsigned char>> names;
    {
        int copy = ::openat(fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (copy < 0 && errno == EACCES && grantOwner(fd.get(), S_IRUSR | S_IXUSR))
            copy = ::openat(fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (copy < 0)
            return FileResult::fromErrno(errno, display(where));
        DIR* dir = ::fdopendir(copy);
        if (!dir) {
            const int e = errno;
            ::close(copy);
            return FileResult::fromErrno(e, display(where));
        }
        for (;;) {
            errno = 0;
            const dirent* d = ::readdir(dir);
            if (!d) {
                const int e = errno;
                ::closedir(dir);
                if (e != 0)
                    return FileResult::fromErrno(e, display(where));
                break;
            }
            if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0)
                continue;
            names.emplace_back(QByteArray(d->d_name), d->d_type);
        }
    }

    for (const auto& [name, type] : names) {
        const char* n = name.constData();
        bool folder = type == DT_DIR;
        if (type == DT_UNKNOWN) {
            Meta m;
            const int e = statAt(fd.get(), n, false, m);
            if (e == ENOENT)
                continue;
            if (e != 0)
                return fail(e, where, name);
            folder = S_ISDIR(m.mode);
        }
        if (!folder) {
            const int e = unlinkIn(fd.get(), n, 0);
            if (e == 0 || e == ENOENT)
                continue;
            if (e != EISDIR) // EISDIR: it became a folder meanwhile
                return fail(e, where, name);
        }
        Fd sub(openSubfolder(fd.get(), n));
        if (!sub.valid()) {
            const int e = errno;
            if (e == ENOENT)
                continue;
            if (e == ELOOP || e == ENOTDIR) {
                // It was replaced by a link or a file: remove that entry itself, nothing more.
                const int u = unlinkIn(fd.get(), n, 0);
                if (u == 0 || u == ENOENT)
                    continue;
                return fail(u, where, name);
            }
            return fail(e, where, name);
        }
        const bool release = depth >= kOpenLevels;
        if (release)
            fd.reset();
        const FileResult r = emptyFolder(sub, depth + 1, joinHost(where, name));
        if (release) {
            // Back up through "..", which is never a link; it must still be this folder.
            fd.reset(::openat(sub.get(), "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            Meta back;
            if (!fd.valid())
                return FileResult::fromErrno(errno, display(where));
            if (statAt(fd.get(), "", false, back) != 0 || !back.sameInode(self))
                return failed(FileError::Failed,
                              display(where) + QStringLiteral(": moved while being removed"));
        }
        if (!r)
            return r;
        sub.reset();
        const int e = unlinkIn(fd.get(), n, AT_REMOVEDIR);
        if (e != 0 && e != ENOENT)
            return fail(e, where, name);
    }
    return {};
}

// ---------------------------------------------------------------------------------------
// Making folders

// mkdir with all missing levels; 0 or an errno value.
int makeFolders(const QByteArray& path, bool last) {
    if (::mkdir(path.constData(), 0777) == 0)
        return 0;
    int e = errno;
    if (e == EEXIST) {
        Meta m;
        if (statPath(path, m) == 0 && S_ISDIR(m.mode))
            return 0;
        return last ? EEXIST : ENOTDIR;
    }
    if (e != ENOENT)
        return e;
    const qsizetype slash = path.lastIndexOf('/');
    if (slash <= 0)
        return e;
    if (const int pe = makeFolders(path.left(slash), false))
        return pe;
    if (::mkdir(path.constData(), 0777) == 0)
        return 0;
    e = errno;
    if (e == EEXIST) {
        Meta m;
        if (statPath(path, m) == 0 && S_ISDIR(m.mode))
            return 0;
        return last ? EEXIST : ENOTDIR;
    }
    return e;
}

// Whether a folder holds an entry of exactly this name (byte for byte).
bool folderHoldsExactName(const QByteArray& folder, const QByteArray& name) {
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent* d = ::readdir(dir)) {
        if (name == d->d_name) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

// -----------------------------------------------------------------------------------------

// Names ignoring case, as the drives of the desktop the program comes from list them; the
// order readdir gives on Linux follows no rule a user could see.
void PosixFileSystem::sortByName(QList<FileInfo>& entries) {
    std::sort(entries.begin(), entries.end(), [](const FileInfo& a, const FileInfo& b) {
        const int c = a.name.compare(b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.name < b.name;
    });
}

FileResult PosixFileSystem::list(const QString& folder, QList<FileInfo>& entries) const {
    return listing(folder, entries, true);
}

FileResult PosixFileSystem::listNames(const QString& folder, QList<FileInfo>& entries) const {
    return listing(folder, entries, false);
}

FileResult PosixFileSystem::listing(const QString& folder, QList<FileInfo>& entries,
                                    bool full) const {
    entries.clear();
    const auto host = hostBytes(folder);
    if (!host)
        return unmappable(folder);
    // The folder itself may be a link to a folder: the user went there. Its entries are
    // described, never followed.
    const int fd = ::open(host->constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FileResult::fromErrno(errno, folder);
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        const int e = errno;
        ::close(fd);
        return FileResult::fromErrno(e, folder);
    }
    const QSet<QByteArray> hiddenNames = readHiddenList(fd);
    bool xattrs = true;
    for (;;) {
        errno = 0;
        const dirent* d = ::readdir(dir);
        if (!d) {
            const int e = errno;
            ::closedir(dir);
            if (e != 0) {
                entries.clear();
                return FileResult::fromErrno(e, folder);
            }
            sortByName(entries);
            return {};
        }
        const char* n = d->d_name;
        if (std::strcmp(n, ".") == 0 || std::strcmp(n, "..") == 0)
            continue;
        const QByteArray raw(n);
        FileInfo info;
        if (!full && d->d_type != DT_UNKNOWN) {
            // The kind readdir gives is enough; only a link needs a look at its target.
            describeName(info, raw);
            info.kind = d->d_type == DT_DIR   ? EntryKind::Folder
                        : d->d_type == DT_REG ? EntryKind::File
                        : d->d_type == DT_LNK ? EntryKind::Link
                                              : EntryKind::Other;
            if (info.kind == EntryKind::Link)
                info.linkTarget = linkTargetKind(fd, n);
            info.hidden = info.hidden || hiddenNames.contains(raw);
            entries.append(info);
            continue;
        }
        Meta m;
        const int e = statAt(fd, n, false, m);
        if (e == ENOENT)
            continue; // gone since readdir
        if (e != 0) {
            // Listed but not examinable (a folder readable but not searchable): the name and
            // the kind readdir gave.
            m = Meta();
            m.mode = d->d_type == DT_DIR                              ? S_IFDIR
                     : d->d_type == DT_LNK                            ? S_IFLNK
                     : d->d_type == DT_REG || d->d_type == DT_UNKNOWN ? S_IFREG
                                                                      : S_IFIFO;
            m.mode |= 0644;
        }
        describe(info, raw, m);
        if (e != 0)
            info.created = info.modified = info.accessed = QDateTime();
        info.hidden = info.hidden || hiddenNames.contains(raw);
        if (e == 0 && info.kind == EntryKind::Link)
            info.linkTarget = linkTargetKind(fd, n);
        if (full && e == 0 && (info.kind == EntryKind::File || info.kind == EntryKind::Folder))
            readDosAttrib(joinHost(*host, raw), info, xattrs);
        entries.append(info);
    }
}

std::optional<FileInfo> PosixFileSystem::info(const QString& path) const {
    const auto host = hostBytes(path);
    if (!host)
        return std::nullopt;
    Meta m;
    if (lstatPath(*host, m) != 0)
        return std::nullopt;
    const auto [folder, name] = splitHost(*host);
    FileInfo info;
    describe(info, name.isEmpty() ? *host : name, m);
    if (LogicalPath::isDriveRoot(path)) {
        info.hidden = false; // the drive itself, whatever its host folder is called
    } else {
        info.hidden = info.hidden || readHiddenListOf(folder).contains(name);
    }
    if (info.kind == EntryKind::Link)
        info.linkTarget = linkTargetKind(AT_FDCWD, host->constData());
    bool xattrs = true;
    if (info.kind == EntryKind::File || info.kind == EntryKind::Folder)
        readDosAttrib(*host, info, xattrs);
    return info;
}

bool PosixFileSystem::isFolder(const QString& path) const {
    const auto host = hostBytes(path);
    Meta m;
    return host && statPath(*host, m) == 0 && S_ISDIR(m.mode);
}

bool PosixFileSystem::exists(const QString& path) const {
    const auto host = hostBytes(path);
    Meta m;
    return host && lstatPath(*host, m) == 0;
}

bool PosixFileSystem::isSameOrInside(const QString& path, const QString& folder) const {
    if (LogicalPath::isSameOrBelow(path, folder))
        return true;
    const auto p = hostBytes(path);
    const auto f = hostBytes(folder);
    if (!p || !f)
        return false;
    char resolvedPath[PATH_MAX];
    char resolvedFolder[PATH_MAX];
    if (!::realpath(p->constData(), resolvedPath) || !::realpath(f->constData(), resolvedFolder))
        return false;
    const QByteArray inner(resolvedPath);
    const QByteArray outer(resolvedFolder);
    return inner == outer || inner.startsWith(outer == "/" ? outer : outer + '/');
}

FileResult PosixFileSystem::copyFile(const QString& source, const QString& target, ReplaceMode mode,
                                     const CopyProgress& progress) {
    const auto src = hostBytes(source);
    if (!src)
        return unmappable(source);
    const auto dst = hostBytes(target);
    if (!dst)
        return unmappable(target);
    Copier copier(source, target, progress);
    return copier.run(*src, *dst, mode);
}

FileResult PosixFileSystem::rename(const QString& source, const QString& target) {
    const auto src = hostBytes(source);
    if (!src)
        return unmappable(source);
    const auto dst = hostBytes(target);
    if (!dst)
        return unmappable(target);
    Meta sl;
    if (const int e = lstatPath(*src, sl))
        return FileResult::fromErrno(e, source);

    int e = 0;
    if (::renameat2(AT_FDCWD, src->constData(), AT_FDCWD, dst->constData(), RENAME_NOREPLACE) == 0)
        return {};
    e = errno;
    if (flagsUnsupported(e)) {
        // No RENAME_NOREPLACE (or a folder into itself, which rename() refuses again).
        Meta tl;
        if (lstatPath(*dst, tl) == 0) {
            e = EEXIST;
        } else if (S_ISDIR(sl.mode)) {
            e = ::rename(src->constData(), dst->constData()) == 0 ? 0 : errno;
        } else if (::link(src->constData(), dst->constData()) == 0) {
            if (::unlink(src->constData()) == 0)
                return {};
            e = errno;
            ::unlink(dst->constData());
        } else {
            e = errno;
            if (e == EPERM || e == ENOTSUP || e == EMLINK || e == ENOSYS)
                e = ::rename(src->constData(), dst->constData()) == 0 ? 0 : errno;
        }
        if (e == 0)
            return {};
    }
    if (e == EEXIST) {
        // Only the case of the name changes, on a file system that ignores case: the
        // "existing" target is the source itself. Go through a temporary name.
        const auto [srcFolder, srcName] = splitHost(*src);
        const auto [dstFolder, dstName] = splitHost(*dst);
        Meta tl;
        const bool caseOnly = srcFolder == dstFolder && srcName != dstName &&
                              QFile::decodeName(srcName).compare(QFile::decodeName(dstName),
                                                                 Qt::CaseInsensitive) == 0;
        if (caseOnly && lstatPath(*dst, tl) == 0 && tl.sameInode(sl) &&
            !folderHoldsExactName(dstFolder, dstName)) {
            const QByteArray temp = joinHost(srcFolder, temporaryName());
            if (const int t =
                    renameNoReplace(AT_FDCWD, src->constData(), AT_FDCWD, temp.constData()))
                return FileResult::fromErrno(t, source);
            const int t = renameNoReplace(AT_FDCWD, temp.constData(), AT_FDCWD, dst->constData());
            if (t == 0)
                return {};
            ::renameat(AT_FDCWD, temp.constData(), AT_FDCWD, src->constData());
            return FileResult::fromErrno(t, target);
        }
        return failed(FileError::AlreadyExists, target);
    }
    if (e == ENOENT)
        return failed(FileError::PathNotFound, target); // the source exists: the way does not
    return FileResult::fromErrno(e, source + QStringLiteral(" -> ") + target);
}

FileResult PosixFileSystem::makeFolder(const QString& path) {
    const auto host = hostBytes(path);
    if (!host)
        return unmappable(path);
    const int e = makeFolders(*host, true);
    if (e == ENOENT || e == ENOTDIR)
        return failed(FileError::PathNotFound, path);
    return e == 0 ? FileResult() : FileResult::fromErrno(e, path);
}

namespace {

// Opens a regular file (or a link to one) for reading; anything else is refused before it
// is opened, and an entry swapped for a FIFO meanwhile is opened without blocking and
// refused all the same.
FileResult openRegular(const QString& path, Fd& fd, Meta& m) {
    const auto host = hostBytes(path);
    if (!host)
        return unmappable(path);
    if (const int e = statPath(*host, m))
        return FileResult::fromErrno(e, path);
    if (!S_ISREG(m.mode))
        return failed(FileError::NotSupported, path + QStringLiteral(": not a file"));
    fd.reset(::open(host->constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid())
        return FileResult::fromErrno(errno, path);
    if (statAt(fd.get(), "", true, m) != 0 || !S_ISREG(m.mode)) {
        fd.reset();
        return failed(FileError::NotSupported, path + QStringLiteral(": not a file"));
    }
    return {};
}

} // namespace

std::unique_ptr<QIODevice> PosixFileSystem::openForReading(const QString& path,
                                                           FileResult& result) const {
    Fd fd;
    Meta m;
    result = openRegular(path, fd, m);
    if (!result)
        return nullptr;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags != -1)
        ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd.get(), QIODevice::ReadOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        result = failed(FileError::ReadFailed, path);
        return nullptr;
    }
    fd.release();
    return file;
}

FileResult PosixFileSystem::readFile(const QString& path, QByteArray& bytes,
                                     qint64 maxBytes) const {
    bytes.clear();
    Fd fd;
    Meta m;
    if (FileResult opened = openRegular(path, fd, m); !opened)
        return opened;
    if (m.size > maxBytes)
        return failed(FileError::InvalidData, path + QStringLiteral(": too large"));
    bytes.resize(m.size);
    qint64 done = 0;
    while (done < m.size) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, size_t(m.size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileResult::fromErrno(errno, path);
        if (n == 0)
            break; // shrank while being read
        done += n;
    }
    bytes.truncate(done);
    return {};
}

FileResult PosixFileSystem::removeFile(const QString& path) {
    return removeEntry(path, false);
}

FileResult PosixFileSystem::removeFolder(const QString& path) {
    return removeEntry(path, true);
}

FileResult PosixFileSystem::removeEntry(const QString& path, bool folder) {
    QByteArray host;
    Meta m;
    if (FileResult found = examine(path, host, m); !found)
        return found;
    if (S_ISDIR(m.mode) != folder)
        return failed(FileError::NotSupported, path + (folder ? QStringLiteral(": not a folder")
                                                              : QStringLiteral(": a folder")));
    const int e = folder ? (::rmdir(host.constData()) == 0 ? 0 : errno) : removeHostFile(host);
    return e == 0 ? FileResult() : FileResult::fromErrno(e, path);
}

FileResult PosixFileSystem::removeTree(const QString& path) {
    const auto host = hostBytes(path);
    if (!host)
        return unmappable(path);
    if (LogicalPath::isDriveRoot(path))
        return failed(FileError::NotSupported, path + QStringLiteral(": a whole drive"));
    return removeHostTree(QFile::decodeName(*host));
}

FileResult PosixFileSystem::removeHostTree(const QString& hostPath) {
    QByteArray path = QFile::encodeName(hostPath);
    // "link/" would resolve the link: the entry itself is meant.
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const QByteArray last = splitHost(path).second;
    if (path.isEmpty() || path == "/" || last == "." || last == "..")
        return failed(FileError::NotSupported, hostPath + QStringLiteral(": not a removable name"));
    Meta m;
    if (const int e = lstatPath(path, m))
        return FileResult::fromErrno(e, hostPath);
    if (!S_ISDIR(m.mode)) {
        const int e = removeHostFile(path);
        return e == 0 || e == ENOENT ? FileResult() : FileResult::fromErrno(e, hostPath);
    }
    Fd fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid() && errno == EACCES && m.uid == ::geteuid() &&
        ::fchmodat(AT_FDCWD, path.constData(), (m.mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW) ==
            0)
        fd.reset(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) {
        const int e = errno;
        if (e == ELOOP || e == ENOTDIR) { // swapped for a link or a file since the lstat
            const int u = removeHostFile(path);
            return u == 0 || u == ENOENT ? FileResult() : FileResult::fromErrno(u, hostPath);
        }
        return FileResult::fromErrno(e, hostPath);
    }
    TreeRemover remover;
    if (const FileResult r = remover.emptyFolder(fd, 0, path); !r)
        return r;
    fd.reset();
    if (::rmdir(path.constData()) != 0) {
        int e = errno;
        if (e == EACCES || e == EPERM) {
            // The parent may be a read-only folder of ours.
            const auto [parent, name] = splitHost(path);
            Fd parentFd(::open(parent.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (parentFd.valid() && grantOwner(parentFd.get(), S_IWUSR | S_IXUSR))
                e = ::unlinkat(parentFd.get(), name.constData(), AT_REMOVEDIR) == 0 ? 0 : errno;
        }
        if (e != 0 && e != ENOENT)
            return FileResult::fromErrno(e, hostPath);
    }
    return {};
}

FileResult PosixFileSystem::setReadOnly(const QString& path, bool readOnly) {
    QByteArray host;
    Meta m;
    if (FileResult found = examine(path, host, m); !found)
        return found;
    if (S_ISLNK(m.mode))
        return failed(FileError::NotSupported, path + QStringLiteral(": a link has no modes"));
    const mode_t bits = m.mode & 07777;
    mode_t wanted = bits;
    if (readOnly)
        wanted = bits & ~mode_t(0222);
    else if ((bits & 0222) == 0)
        wanted = bits | S_IWUSR | (0222 & ~currentUmask());
    if (wanted == bits)
        return {};
    if (::chmod(host.constData(), wanted) != 0)
        return FileResult::fromErrno(errno, path);
    return {};
}

FileResult PosixFileSystem::setHidden(const QString& path, bool hidden) {
    if (LogicalPath::isDriveRoot(path))
        return failed(FileError::NotSupported, path + QStringLiteral(": a drive"));
    QByteArray host;
    Meta m;
    if (FileResult found = examine(path, host, m); !found)
        return found;
    const auto [folder, name] = splitHost(host);
    if (name.startsWith('.')) {
        if (hidden)
            return {};
        return failed(FileError::NotSupported,
                      path + QStringLiteral(": a name beginning with \".\" is always hidden"));
    }

    const QByteArray listPath = joinHost(folder, ".hidden");
    QByteArray bytes;
    {
        Fd dir(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!dir.valid())
            return FileResult::fromErrno(errno, path);
        if (readHiddenFile(dir.get(), bytes) == HiddenFile::Unusable)
            return failed(FileError::NotSupported,
                          display(listPath) + QStringLiteral(": not a readable list of names"));
    }
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line break
    const auto isName = [&name = name](const QByteArray& line) {
        return line == name || (line.endsWith('\r') && line.chopped(1) == name);
    };
    const bool listed = std::any_of(lines.cbegin(), lines.cend(), isName);
    if (listed == hidden)
        return {};
    if (hidden)
        lines.append(name);
    else
        lines.removeIf(isName);

    if (std::all_of(lines.cbegin(), lines.cend(),
                    [](const QByteArray& l) { return l.trimmed().isEmpty(); })) {
        if (::unlink(listPath.constData()) != 0 && errno != ENOENT)
            return FileResult::fromErrno(errno, display(listPath));
        return {};
    }
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + '\n';
    return TextFile::writeHostFileAtomically(QFile::decodeName(listPath), out);
}
