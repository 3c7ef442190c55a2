#include "posixfilesystem.h"
#include "dosattrib.h"
#include "drivetable.h"
#include "hiddenlist.h"
#include "logicalpath.h"
#include "nameorder.h"
#include "parallelbatch.h"
#include "posixcopier.h"
#include "posixfolder.h"
#include "posixio.h"
#include "posixleser.h"
#include "textfile.h"
#include "treeremover.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits> // PATH_MAX
#include <cstdio>  // renameat2
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace PosixIo;

namespace {

FileResult unmappable(const QString& path) {
    return FileResult::failure(FileError::Unmappable, path);
}

FileResult failed(FileError error, const QString& detail) {
    return FileResult::failure(error, detail);
}

// A folder's size is at least this many bytes for each entry it holds on the usual file
// systems (ext4 takes 12 and more, tmpfs counts 20); the room reserved for a listing is
// bounded all the same.
constexpr off_t kSmallestDirent = 12;
constexpr off_t kMostReserved = 4'000'000;

// The host bytes of an entry's name in a folder; none for a name that is no single entry.
std::optional<QByteArray> entryBytes(const QString& name) {
    QByteArray raw = QFile::encodeName(name);
    if (raw.isEmpty() || raw == "." || raw == ".." || raw.contains('/'))
        return std::nullopt;
    return raw;
}

// The name, whether a logical path can hold it, and the hidden dot.
void describeName(FileInfo& info, const QByteArray& rawName) {
    const bool ascii = std::all_of(rawName.cbegin(), rawName.cend(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    // A name must survive the way back to bytes too, else no logical path can reach it. An
    // ASCII name always does, and most names are ASCII.
    info.name = ascii ? QString::fromLatin1(rawName) : QFile::decodeName(rawName);
    info.mappable =
        DriveTable::isMappableName(info.name) && (ascii || QFile::encodeName(info.name) == rawName);
    info.hidden = rawName.startsWith('.');
}

// Fills everything but the attributes that need the folder (hidden list) or the path. The
// times, in local time, are the dearest part and are left out without `times`.
void describe(FileInfo& info, const QByteArray& rawName, const Meta& m, bool times) {
    describeName(info, rawName);
    info.kind = kindOf(m.mode);
    info.size = info.kind == EntryKind::File ? m.size : 0;
    info.readOnly = (m.mode & 0222) == 0;
    if (!times)
        return;
    info.created = toDateTime(m.hasBirth ? m.btime : m.ctime);
    info.modified = toDateTime(m.mtime);
    info.accessed = toDateTime(m.atime);
}

EntryKind linkTargetKind(int dirfd, const char* name) {
    Meta t;
    if (statAt(dirfd, name, true, t) != 0)
        return EntryKind::Other;
    const EntryKind k = kindOf(t.mode);
    return k == EntryKind::File || k == EntryKind::Folder ? k : EntryKind::Other;
}

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

// Whether files made in the folder take their modes from a default ACL (or from what
// cannot be told), rather than from the mode asked and the umask.
bool modesFromAcl(int fd) {
    if (::fgetxattr(fd, "system.posix_acl_default", nullptr, 0) >= 0)
        return true;
    return errno != ENODATA && errno != ENOTSUP;
}

// Opens `name` in `dirfd` (a host path with AT_FDCWD) for a tree copy, never through a link
// in its own place. A folder without read permission is held by O_PATH, which is enough to
// make entries in it. `parent` is the open folder it lies in, if any.
FileResult openFolderAt(int dirfd, const QByteArray& name, const QString& path, bool create,
                        bool fresh, const PosixFolder* parent,
                        std::unique_ptr<PosixFolder>& folder) {
    const int flags = O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(dirfd, name.constData(), O_RDONLY | flags);
    const bool readable = fd >= 0;
    if (fd < 0 && errno == EACCES)
        fd = ::openat(dirfd, name.constData(), O_PATH | flags);
    if (fd < 0) {
        const int e = errno;
        if (e == ELOOP || e == ENOTDIR)
            return failed(create ? FileError::AlreadyExists : FileError::NotSupported,
                          path + QStringLiteral(": not a folder"));
        return FileResult::fromErrno(e, path);
    }
    folder =
        std::make_unique<PosixFolder>(path, parent ? joinHost(parent->host(), name) : name, fd);
    folder->fresh = fresh;
    if (fresh && parent) {
        // Made in the parent just now: the same device, and the parent's rule for modes.
        folder->device = parent->device;
        folder->plainModes = parent->plainModes;
        return {};
    }
    Meta m;
    if (const int e = statAt(fd, "", false, m)) {
        folder.reset();
        return FileResult::fromErrno(e, path);
    }
    folder->device = m.dev;
    folder->plainModes = readable && !modesFromAcl(fd);
    return {};
}

} // namespace

PosixFileSystem::PosixFileSystem(const DriveTable& drives) : m_drives(drives) {}

std::optional<QByteArray> PosixFileSystem::hostBytes(const QString& logical) const {
    const auto host = m_drives.toHost(logical);
    if (!host)
        return std::nullopt;
    return QFile::encodeName(*host);
}

FileResult PosixFileSystem::examine(const QString& path, QByteArray& host, Meta& m) const {
    const auto bytes = hostBytes(path);
    if (!bytes)
        return unmappable(path);
    host = *bytes;
    if (const int e = lstatPath(host, m))
        return FileResult::fromErrno(e, path);
    return {};
}

FileResult PosixFileSystem::list(const QString& folder, QList<FileInfo>& entries, ListDetail detail,
                                 ListOrder order) const {
    entries.clear();
    const auto host = hostBytes(folder);
    if (!host)
        return unmappable(folder);
    // The folder itself may be a link to a folder: the user went there. Its entries are
    // described, never followed.
    const int fd = ::open(host->constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FileResult::fromErrno(errno, folder);
    return listOpen(fd, *host, folder, entries, detail, order);
}

FileResult PosixFileSystem::list(const OpenFolder& folder, QList<FileInfo>& entries,
                                 ListDetail detail, ListOrder order) const {
    entries.clear();
    const auto& open = static_cast<const PosixFolder&>(folder);
    // A descriptor of its own, read from the start whatever was read before.
    const int fd = ::openat(open.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FileResult::fromErrno(errno, folder.path());
    return listOpen(fd, open.host(), folder.path(), entries, detail, order);
}

FileResult PosixFileSystem::listOpen(int fd, const QByteArray& host, const QString& folder,
                                     QList<FileInfo>& entries, ListDetail detail,
                                     ListOrder order) const {
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        const int e = errno;
        ::close(fd);
        return FileResult::fromErrno(e, folder);
    }
    const QSet<QByteArray> hiddenNames = HiddenList::names(fd);
    // Room for as many entries as the folder's size can hold: a large folder then fills its
    // list without moving it while it grows, and room never used is never touched.
    if (struct stat st{}; ::fstat(fd, &st) == 0 && st.st_size > 0)
        entries.reserve(qsizetype(qMin<off_t>(st.st_size / kSmallestDirent, kMostReserved)));
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
            if (order == ListOrder::ByName)
                NameOrder::sortBy(entries,
                                  [](const FileInfo& e) -> const QString& { return e.name; });
            return {};
        }
        const char* n = d->d_name;
        if (std::strcmp(n, ".") == 0 || std::strcmp(n, "..") == 0)
            continue;
        const QByteArray raw(n);
        FileInfo info;
        const bool examine = detail == ListDetail::Full || d->d_type == DT_UNKNOWN ||
                             (detail == ListDetail::Sizes && d->d_type == DT_REG);
        if (!examine) {
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
        describe(info, raw, m, detail == ListDetail::Full && e == 0);
        info.hidden = info.hidden || hiddenNames.contains(raw);
        if (e == 0 && info.kind == EntryKind::Link)
            info.linkTarget = linkTargetKind(fd, n);
        if (detail == ListDetail::Full && e == 0 &&
            (info.kind == EntryKind::File || info.kind == EntryKind::Folder))
            DosAttrib::read(joinHost(host, raw), info, xattrs);
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
    describe(info, name.isEmpty() ? *host : name, m, true);
    if (LogicalPath::isDriveRoot(path)) {
        info.hidden = false; // the drive itself, whatever its host folder is called
    } else {
        info.hidden = info.hidden || HiddenList::namesOf(folder).contains(name);
    }
    if (info.kind == EntryKind::Link)
        info.linkTarget = linkTargetKind(AT_FDCWD, host->constData());
    bool xattrs = true;
    if (info.kind == EntryKind::File || info.kind == EntryKind::Folder)
        DosAttrib::read(*host, info, xattrs);
    return info;
}

std::optional<FileIdentity> PosixFileSystem::identity(const QString& path) const {
    const auto host = hostBytes(path);
    Meta m;
    if (!host || statPath(*host, m) != 0)
        return std::nullopt;
    return FileIdentity{quint64(m.dev), quint64(m.ino)};
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
    return LogicalPath::isSameOrBelow(path, folder) || leadsInside(path, folder);
}

bool PosixFileSystem::leadsInside(const QString& path, const QString& folder) const {
    const auto p = hostBytes(path);
    const auto f = hostBytes(folder);
    char resolvedPath[PATH_MAX];
    char resolvedFolder[PATH_MAX];
    if (!p || !f || !::realpath(p->constData(), resolvedPath) ||
        !::realpath(f->constData(), resolvedFolder))
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
    const auto [srcFolder, srcName] = splitHost(*src);
    const Fd from(::open(srcFolder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!from.valid())
        return FileResult::fromErrno(errno, source);
    const auto [dstFolder, dstName] = splitHost(*dst);
    const Fd to(::open(dstFolder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    Meta folder;
    const int e = to.valid() ? statAt(to.get(), "", true, folder) : errno;
    if (e == ENOENT || e == ENOTDIR)
        return failed(FileError::PathNotFound, display(dstFolder));
    if (e != 0)
        return FileResult::fromErrno(e, display(dstFolder));
    // Nothing is known of the target folder: every file is checked against what is there,
    // and its mode is set whatever the folder would give it.
    DeviceMemory memory;
    PosixCopier copier(source, target, progress, memory);
    return copier.run(from.get(), srcName, EntryKind::Other, {to.get(), folder.dev}, dstName, mode);
}

FileResult PosixFileSystem::openFolder(const QString& path, bool create,
                                       std::unique_ptr<OpenFolder>& folder) {
    folder.reset();
    const auto host = hostBytes(path);
    if (!host)
        return unmappable(path);
    bool fresh = false;
    if (create) {
        if (::mkdir(host->constData(), 0777) == 0) {
            fresh = true;
        } else if (errno == ENOENT) {
            const int e = makeFolders(*host, true);
            if (e == ENOENT || e == ENOTDIR)
                return failed(FileError::PathNotFound, path);
            if (e != 0)
                return FileResult::fromErrno(e, path);
            fresh = true; // or made by another just now, which the copy finds out in time
        } else if (errno != EEXIST) {
            return FileResult::fromErrno(errno, path);
        }
    }
    std::unique_ptr<PosixFolder> open;
    if (FileResult r = openFolderAt(AT_FDCWD, *host, path, create, fresh, nullptr, open); !r)
        return r;
    open->memory = std::make_shared<DeviceMemory>();
    if (create)
        open->umask = currentUmask();
    folder = std::move(open);
    return {};
}

FileResult PosixFileSystem::openSubfolder(const OpenFolder& parent, const QString& name,
                                          bool create, std::unique_ptr<OpenFolder>& folder) {
    folder.reset();
    const auto& in = static_cast<const PosixFolder&>(parent);
    const QString path = LogicalPath::join(parent.path(), name);
    const std::optional<QByteArray> raw = entryBytes(name);
    if (!raw)
        return unmappable(path);
    bool fresh = false;
    if (create) {
        if (::mkdirat(in.fd(), raw->constData(), 0777) == 0)
            fresh = true;
        else if (errno != EEXIST)
            return FileResult::fromErrno(errno, path);
    }
    std::unique_ptr<PosixFolder> open;
    if (FileResult r = openFolderAt(in.fd(), *raw, path, create, fresh, &in, open); !r)
        return r;
    open->memory = in.memory;
    open->umask = in.umask;
    folder = std::move(open);
    return {};
}

FileResult PosixFileSystem::copyFile(const OpenFolder& from, const FileInfo& entry,
                                     const OpenFolder& to, const QString& name, ReplaceMode mode,
                                     const CopyProgress& progress) {
    const QString source = LogicalPath::join(from.path(), entry.name);
    const QString target = LogicalPath::join(to.path(), name);
    if (!entry.mappable)
        return unmappable(source);
    const auto& src = static_cast<const PosixFolder&>(from);
    const auto& dst = static_cast<const PosixFolder&>(to);
    PosixCopier copier(source, target, progress, *dst.memory);
    return copier.run(src.fd(), QFile::encodeName(entry.name), entry.kind,
                      {dst.fd(), dst.device, dst.fresh, dst.plainModes, dst.umask},
                      QFile::encodeName(name), mode);
}

void PosixFileSystem::copyFiles(const OpenFolder& from, const QList<FileInfo>& entries,
                                const OpenFolder& to, ReplaceMode mode,
                                const CopyProgress& progress, const CopyDone& done) {
    ParallelBatch::copyFiles(*this, from, entries, to, mode, ParallelBatch::helpers(), progress,
                             done);
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

FileResult PosixFileSystem::openRegular(const QString& path, Fd& fd, Meta& m) const {
    const auto host = hostBytes(path);
    if (!host)
        return unmappable(path);
    return openRegularAt(AT_FDCWD, *host, path, EntryKind::Other, fd, m);
}

FileResult PosixFileSystem::openRegularAt(int dirfd, const QByteArray& name, const QString& path,
                                          EntryKind kind, Fd& fd, Meta& m) {
    constexpr int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    // A file the listing saw is opened at once. Should it have become a link meanwhile,
    // O_NOFOLLOW refuses it, and it is looked at first like any other entry.
    if (kind == EntryKind::File) {
        fd.reset(::openat(dirfd, name.constData(), flags | O_NOFOLLOW));
        if (!fd.valid() && errno != ELOOP)
            return FileResult::fromErrno(errno, path);
    }
    if (!fd.valid()) {
        if (const int e = statAt(dirfd, name.constData(), true, m))
            return FileResult::fromErrno(e, path);
        if (!S_ISREG(m.mode))
            return failed(FileError::NotSupported, path + QStringLiteral(": not a file"));
        fd.reset(::openat(dirfd, name.constData(), flags));
        if (!fd.valid())
            return FileResult::fromErrno(errno, path);
    }
    if (statAt(fd.get(), "", true, m) != 0 || !S_ISREG(m.mode)) {
        fd.reset();
        return failed(FileError::NotSupported, path + QStringLiteral(": not a file"));
    }
    return {};
}

std::unique_ptr<QIODevice> PosixFileSystem::openForReading(const QString& path,
                                                           FileResult& result) const {
    Fd fd;
    Meta m;
    result = openRegular(path, fd, m);
    if (!result)
        return nullptr;
    return std::make_unique<PosixLeser>(fd.release(), m.size);
}

std::unique_ptr<QIODevice> PosixFileSystem::openForReading(const OpenFolder& folder,
                                                           const QString& name, EntryKind kind,
                                                           FileResult& result) const {
    const QString path = LogicalPath::join(folder.path(), name);
    const std::optional<QByteArray> raw = entryBytes(name);
    Fd fd;
    Meta m;
    result =
        raw ? openRegularAt(static_cast<const PosixFolder&>(folder).fd(), *raw, path, kind, fd, m)
            : unmappable(path);
    if (!result)
        return nullptr;
    return std::make_unique<PosixLeser>(fd.release(), m.size);
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

FileResult PosixFileSystem::writeFile(const QString& path, const QByteArray& bytes) {
    const auto host = hostBytes(path);
    if (!host)
        return unmappable(path);
    struct stat st {};
    if (::stat(host->constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return failed(FileError::NotSupported, path + QStringLiteral(": not a file"));
        // The replacement would need only the folder's permission; the file's own decides.
        if (::access(host->constData(), W_OK) != 0)
            return FileResult::fromErrno(errno, path);
    }
    return TextFile::writeHostFileAtomically(QFile::decodeName(*host), bytes);
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
    const int e = folder ? (::rmdir(host.constData()) == 0 ? 0 : errno)
                         : (::unlink(host.constData()) == 0 ? 0 : errno);
    return e == 0 ? FileResult() : FileResult::fromErrno(e, path);
}

FileResult PosixFileSystem::removeTree(const QString& path) {
    const auto host = hostBytes(path);
    if (!host)
        return unmappable(path);
    if (LogicalPath::isDriveRoot(path))
        return failed(FileError::NotSupported, path + QStringLiteral(": a whole drive"));
    return TreeRemover::removeHostTree(QFile::decodeName(*host));
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
    return HiddenList::setListed(folder, name, hidden, path);
}
