#include "treeremover.h"
#include "parallelbatch.h"
#include "posixio.h"
#include "posixmeta.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace PosixIo;

namespace {

int removeHostFile(const QByteArray& path) {
    return ::unlink(path.constData()) == 0 ? 0 : errno;
}

} // namespace

bool TreeRemover::grantOwner(int fd, mode_t bits) {
    Meta m;
    if (statAt(fd, "", true, m) != 0 || m.uid != ::geteuid() || (m.mode & bits) == bits)
        return false;
    return ::fchmod(fd, (m.mode & 07777) | bits) == 0;
}

FileResult TreeRemover::removeHostTree(const QString& hostPath) {
    QByteArray path = QFile::encodeName(hostPath);
    // "link/" would resolve the link: the entry itself is meant.
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const QByteArray last = splitHost(path).second;
    if (path.isEmpty() || path == "/" || last == "." || last == "..")
        return FileResult::failure(FileError::NotSupported,
                                   hostPath + QStringLiteral(": not a removable name"));
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
    remover.m_helpers = ParallelBatch::helpers();
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

FileResult TreeRemover::emptyFolder(Fd& fd, int depth, const QByteArray& where) {
    // Only a folder whose descriptor is let go while descending is checked on the way back.
    const bool release = depth >= kOpenLevels;
    Meta self;
    if (release)
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

    // Files go at once; the subfolders after them, several at a time where helpers may.
    std::vector<QByteArray> folders;
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
        folders.push_back(name);
    }
    if (m_helpers > 0 && folders.size() > 1 && !release)
        return removeSubfolders(fd, folders, depth, where);
    for (const QByteArray& name : folders)
        if (const FileResult r = removeSubfolder(fd, name, depth, where, release ? &self : nullptr);
            !r)
            return r;
    return {};
}

FileResult TreeRemover::removeSubfolders(Fd& fd, const std::vector<QByteArray>& folders, int depth,
                                         const QByteArray& where) {
    // The first failure in the folder's order is told; after one, no subfolder more is begun.
    std::vector<FileResult> results(folders.size());
    ParallelBatch::run(
        qsizetype(folders.size()), m_helpers,
        [&](qsizetype i, int, const CopyProgress&) {
            TreeRemover alone; // each helper walks its subfolder without helpers of its own
            return alone.removeSubfolder(fd, folders[size_t(i)], depth, where, nullptr);
        },
        {},
        [&](qsizetype i, const FileResult& r, qint64) {
            results[size_t(i)] = r;
            return r.ok();
        });
    for (const FileResult& r : results)
        if (!r)
            return r;
    return {};
}

FileResult TreeRemover::removeSubfolder(Fd& fd, const QByteArray& name, int depth,
                                        const QByteArray& where, const Meta* self) {
    const char* n = name.constData();
    Fd sub(openSubfolder(fd.get(), n));
    if (!sub.valid()) {
        const int e = errno;
        if (e == ENOENT)
            return {};
        if (e == ELOOP || e == ENOTDIR) {
            // It was replaced by a link or a file: remove that entry itself, nothing more.
            const int u = unlinkIn(fd.get(), n, 0);
            if (u == 0 || u == ENOENT)
                return {};
            return fail(u, where, name);
        }
        return fail(e, where, name);
    }
    if (self)
        fd.reset();
    const FileResult r = emptyFolder(sub, depth + 1, joinHost(where, name));
    if (self) {
        // Back up through "..", which is never a link; it must still be this folder.
        fd.reset(::openat(sub.get(), "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        Meta back;
        if (!fd.valid())
            return FileResult::fromErrno(errno, display(where));
        if (statAt(fd.get(), "", false, back) != 0 || !back.sameInode(*self))
            return FileResult::failure(
                FileError::Failed, display(where) + QStringLiteral(": moved while being removed"));
    }
    if (!r)
        return r;
    sub.reset();
    const int e = unlinkIn(fd.get(), n, AT_REMOVEDIR);
    if (e != 0 && e != ENOENT)
        return fail(e, where, name);
    return {};
}

FileResult TreeRemover::fail(int e, const QByteArray& where, const QByteArray& name) {
    return FileResult::fromErrno(e, display(joinHost(where, name)));
}
int TreeRemover::unlinkIn(int dirfd, const char* name, int flags) {
    if (::unlinkat(dirfd, name, flags) == 0)
        return 0;
    int e = errno;
    if ((e == EACCES || e == EPERM) && grantOwner(dirfd, S_IWUSR | S_IXUSR))
        e = ::unlinkat(dirfd, name, flags) == 0 ? 0 : errno;
    return e;
}
int TreeRemover::openSubfolder(int dirfd, const char* name) {
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
