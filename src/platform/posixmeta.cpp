#include "posixmeta.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/sysmacros.h>

namespace PosixIo {

int statAt(int dirfd, const char* name, bool follow, Meta& m) {
    static std::atomic<bool> noStatx = false; // copies run on several threads
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

} // namespace PosixIo
