#include "freedesktoptrash.h"
#include "drivetable.h"
#include "logicalpath.h"
#include "posixio.h"
#include "treeremover.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A trash folder (holding files/ and info/) and, for the trash of a mount, the mount's top
// folder, against which the relative original paths of its items are resolved.
struct TrashFolder {
    QString path;
    QString topdir; // empty for the home trash
};

// The home trash is the user's own and may be reached through a link; the trash folders
// on a mount lie in folders others can write, so there a link is never accepted.
enum class Links { Follow, Refuse };

using DriveRoots = QList<std::pair<QString, QChar>>;

const QLatin1String kInfoSuffix(".trashinfo");
constexpr qsizetype kNameMax = 255;    // bytes of one name on the usual file systems
constexpr qint64 kMaxInfoSize = 65536; // far more than any real info file holds
constexpr int kMaxCandidates = 100000; // name, name.2, ... before giving up

QByteArray bytes(const QString& hostPath) {
    return QFile::encodeName(hostPath);
}

QString joined(const QString& folder, const QString& name) {
    return folder == QLatin1String("/") ? folder + name : folder + QLatin1Char('/') + name;
}

QString dataHome() {
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString homeTrash() {
    return dataHome() + QStringLiteral("/Trash");
}

bool usableFolder(const QString& path, Links links) {
    struct stat st {};
    const QByteArray p = bytes(path);
    const int rc =
        links == Links::Follow ? ::stat(p.constData(), &st) : ::lstat(p.constData(), &st);
    return rc == 0 && S_ISDIR(st.st_mode) && (links == Links::Follow || st.st_uid == geteuid());
}

// Makes the folder (mode 0700) when it is missing; fails unless a usable folder is there.
FileResult ensureFolder(const QString& path, Links links) {
    if (::mkdir(bytes(path).constData(), 0700) != 0 && errno != EEXIST)
        return FileResult::fromErrno(errno, path);
    if (!usableFolder(path, links))
        return FileResult::failure(FileError::AccessDenied,
                                   QStringLiteral("not a usable trash folder: ") + path);
    return {};
}

FileResult prepare(const TrashFolder& trash, Links links) {
    for (const QString& folder :
         {trash.path, trash.path + QStringLiteral("/files"), trash.path + QStringLiteral("/info")})
        if (FileResult r = ensureFolder(folder, links); !r)
            return r;
    return {};
}

// The trash folders of a mount, preferred first: "$topdir/.Trash/$uid" when an administrator
// has set up "$topdir/.Trash" as a real folder with the sticky bit, then "$topdir/.Trash-$uid".
QList<TrashFolder> mountTrashes(const QString& topdir) {
    const QString uid = QString::number(geteuid());
    QList<TrashFolder> trashes;
    const QString shared = joined(topdir, QStringLiteral(".Trash"));
    struct stat st {};
    if (::lstat(bytes(shared).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
        (st.st_mode & S_ISVTX))
        trashes.append({shared + QLatin1Char('/') + uid, topdir});
    trashes.append({joined(topdir, QStringLiteral(".Trash-") + uid), topdir});
    return trashes;
}

// The trash for an item on `device` in `folder` (canonical), made ready for use.
FileResult chooseTrash(dev_t device, const QString& folder, TrashFolder& chosen) {
    const QString home = dataHome();
    struct stat st {};
    if (!QDir().mkpath(home) || ::stat(bytes(home).constData(), &st) != 0)
        return FileResult::failure(FileError::AccessDenied,
                                   QStringLiteral("no usable data folder: ") + home);
    if (st.st_dev == device) {
        chosen = {homeTrash(), {}};
        return prepare(chosen, Links::Follow);
    }
    const QString topdir = QStorageInfo(folder).rootPath();
    if (topdir.isEmpty() || ::stat(bytes(topdir).constData(), &st) != 0 || st.st_dev != device)
        return FileResult::failure(FileError::CrossDevice,
                                   QStringLiteral("no trash on the file system of ") + folder);
    FileResult result;
    for (const TrashFolder& trash : mountTrashes(topdir)) {
        result = prepare(trash, Links::Refuse);
        if (result) {
            chosen = trash;
            break;
        }
    }
    return result;
}

QByteArray infoText(const QString& original, const QString& topdir, const QDateTime& now) {
    QString path = original;
    if (!topdir.isEmpty()) {
        const QString prefix = topdir == QLatin1String("/") ? topdir : topdir + QLatin1Char('/');
        if (original.startsWith(prefix))
            path = original.mid(prefix.size());
    }
    const QString date = now.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
    return "[Trash Info]\nPath=" + bytes(path).toPercentEncoding("/") +
           "\nDeletionDate=" + date.toLatin1() + '\n';
}

// The n-th name to try (name, name.2, name.3, ...), shortened where needed so that the name
// of its info file still fits, without splitting a UTF-8 character.
QString candidateName(const QByteArray& name, int n) {
    const QByteArray suffix = n == 1 ? QByteArray() : '.' + QByteArray::number(n);
    const qsizetype room = kNameMax - kInfoSuffix.size() - suffix.size();
    qsizetype cut = std::min(name.size(), room);
    while (cut > 0 && cut < name.size() && (uchar(name.at(cut)) & 0xC0) == 0x80)
        --cut;
    return QFile::decodeName(name.left(cut) + suffix);
}

// Claims the first name that is free both in info/ and in files/ by creating its info file
// with O_EXCL, so two programs trashing at once never share a name.
FileResult reserveName(const TrashFolder& trash, const QString& fileName, const QByteArray& text,
                       QString& infoFile, QString& entry) {
    const QByteArray name = bytes(fileName);
    for (int n = 1; n <= kMaxCandidates; ++n) {
        const QString candidate = candidateName(name, n);
        entry = trash.path + QStringLiteral("/files/") + candidate;
        infoFile = trash.path + QStringLiteral("/info/") + candidate + kInfoSuffix;
        struct stat st {};
        if (::lstat(bytes(entry).constData(), &st) == 0)
            continue;
        if (errno != ENOENT)
            return FileResult::fromErrno(errno, entry);
        const int fd =
            ::open(bytes(infoFile).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return FileResult::fromErrno(errno, infoFile);
        int err = PosixIo::writeAll(fd, text);
        if (::close(fd) != 0 && err == 0)
            err = errno;
        if (err != 0) {
            ::unlink(bytes(infoFile).constData());
            return FileResult::fromErrno(err, infoFile);
        }
        return {};
    }
    return FileResult::failure(FileError::AlreadyExists,
                               QStringLiteral("no free name in the trash for ") + fileName);
}

// The original host path an info file records, or empty when it records none usable.
// A relative path (allowed in a mount's trash only) is resolved against the top folder.
QString originalPath(const QString& infoFile, const QString& topdir) {
    QFile file(infoFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inGroup = false;
    for (const QByteArray& raw : file.read(kMaxInfoSize).split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inGroup = line == "[Trash Info]";
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inGroup || eq < 0 || line.left(eq).trimmed() != "Path")
            continue;
        const QString path =
            QFile::decodeName(QByteArray::fromPercentEncoding(line.mid(eq + 1).trimmed()));
        if (QDir::isAbsolutePath(path))
            return QDir::cleanPath(path);
        if (topdir.isEmpty() || path.isEmpty())
            return {};
        return QDir::cleanPath(joined(topdir, path));
    }
    return {};
}

// Every drive's host root, as the table writes it and with its links resolved.
DriveRoots driveRoots(const DriveTable& drives) {
    DriveRoots roots;
    for (const Drive& d : drives.drives()) {
        roots.append({d.hostRoot, d.letter});
        const QString canonical = QFileInfo(d.hostRoot).canonicalFilePath();
        if (!canonical.isEmpty() && canonical != d.hostRoot)
            roots.append({canonical, d.letter});
    }
    return roots;
}

// The drive a host path lies on: the one with the longest host root holding it, as the
// drive table decides, whether or not the rest of the path has a logical form.
QChar owningDrive(const DriveRoots& roots, const QString& hostPath) {
    QChar owner;
    qsizetype longest = -1;
    for (const auto& [root, letter] : roots) {
        if (DriveTable::isInside(root, hostPath) && root.size() > longest) {
            longest = root.size();
            owner = letter;
        }
    }
    return owner;
}

// The home trash and the existing trash folders of the mount holding the drive's root and
// of every mount below that root.
QList<TrashFolder> trashesOf(const Drive& drive) {
    QStringList topdirs{QStorageInfo(drive.hostRoot).rootPath()};
    const QString root = QFileInfo(drive.hostRoot).canonicalFilePath();
    if (!root.isEmpty()) {
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            const QString top = volume.rootPath();
            if (root == QLatin1String("/") || top.startsWith(root + QLatin1Char('/')))
                topdirs.append(top);
        }
    }
    topdirs.removeAll(QString());
    topdirs.removeDuplicates();

    QList<TrashFolder> trashes{{homeTrash(), {}}};
    for (const QString& top : topdirs)
        for (const TrashFolder& trash : mountTrashes(top))
            if (usableFolder(trash.path, Links::Refuse))
                trashes.append(trash);

    // A mount seen twice (a bind mount) must not list its items twice.
    QSet<QString> seen;
    trashes.removeIf([&](const TrashFolder& trash) {
        const QString key = QFileInfo(trash.path).canonicalFilePath();
        if (seen.contains(key))
            return true;
        seen.insert(key);
        return false;
    });
    return trashes;
}

// The item name an info file's name stands for: the name before ".trashinfo", when that is a
// single entry name the file system gives back unchanged; empty for any other name, which
// stands for no entry of files/.
QString itemName(const QByteArray& infoName) {
    if (!infoName.endsWith(QByteArray(kInfoSuffix.data(), kInfoSuffix.size())))
        return {};
    const QByteArray name = infoName.chopped(kInfoSuffix.size());
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/') || name.contains('\0'))
        return {};
    const QString decoded = QFile::decodeName(name);
    return QFile::encodeName(decoded) == name ? decoded : QString();
}

// The names of the regular files of a trash's info folder, as the file system holds them.
QList<QByteArray> infoNames(const QString& infoFolder) {
    QList<QByteArray> names;
    DIR* dir = ::opendir(bytes(infoFolder).constData());
    if (!dir)
        return names;
    while (const dirent* e = ::readdir(dir)) {
        struct stat st {};
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode))
            names.append(QByteArray(e->d_name));
    }
    ::closedir(dir);
    return names;
}

// Removes an entry of files/: a folder with all it holds (links inside are removed, never
// followed), anything else by unlinking it. A missing entry leaves nothing to remove. The
// trash's own folders are never removed, whatever path leads to them.
FileResult removeEntry(const QString& trash, const QString& entry) {
    if (QFileInfo(QDir::cleanPath(entry)).path() !=
        QDir::cleanPath(trash + QStringLiteral("/files")))
        return FileResult::failure(FileError::NotSupported,
                                   QStringLiteral("not an item of the trash: ") + entry);
    struct stat st {};
    if (::lstat(bytes(entry).constData(), &st) != 0)
        return errno == ENOENT ? FileResult() : FileResult::fromErrno(errno, entry);
    if (S_ISDIR(st.st_mode))
        return TreeRemover::removeHostTree(entry);
    if (::unlink(bytes(entry).constData()) != 0)
        return FileResult::fromErrno(errno, entry);
    return {};
}

} // namespace

FreedesktopTrash::FreedesktopTrash(const DriveTable& drives, const Clock& clock)
    : m_drives(drives), m_clock(clock) {}

FileResult FreedesktopTrash::moveToTrash(const QString& path) {
    const auto host = m_drives.toHost(path);
    if (!host)
        return FileResult::failure(FileError::Unmappable, path);
    const Drive* drive = m_drives.drive(LogicalPath::driveLetter(path));
    if (drive && *host == drive->hostRoot)
        return FileResult::failure(FileError::AccessDenied,
                                   QStringLiteral("a drive root cannot go to the trash: ") + path);

    struct stat item {};
    if (::lstat(bytes(*host).constData(), &item) != 0)
        return FileResult::fromErrno(errno, *host);
    const QFileInfo info(*host);
    const QString folder = canonicalFolder(info.path());
    if (folder.isEmpty())
        return FileResult::failure(FileError::PathNotFound, info.path());

    // The home trash made ready before serves on while it works; a failure with it is tried
    // once more with the trash looked up and made ready anew.
    const bool remembered =
        m_homeDevice && *m_homeDevice == item.st_dev && m_homeTrash == homeTrash();
    FileResult r = moveInto(*host, item.st_dev, folder, info.fileName(), remembered);
    if (!r && remembered) {
        m_homeDevice.reset();
        r = moveInto(*host, item.st_dev, folder, info.fileName(), false);
    }
    return r;
}

FileResult FreedesktopTrash::moveInto(const QString& host, dev_t device, const QString& folder,
                                      const QString& fileName, bool homeReady) {
    TrashFolder trash{homeTrash(), {}};
    if (!homeReady) {
        if (FileResult r = chooseTrash(device, folder, trash); !r)
            return r;
        if (trash.topdir.isEmpty()) {
            m_homeDevice = device;
            m_homeTrash = trash.path;
        }
    }
    QString infoFile;
    QString entry;
    if (FileResult r = reserveName(
            trash, fileName, infoText(joined(folder, fileName), trash.topdir, m_clock.localNow()),
            infoFile, entry);
        !r)
        return r;
    if (const int e = PosixIo::renameNoReplace(AT_FDCWD, bytes(host).constData(), AT_FDCWD,
                                               bytes(entry).constData())) {
        const FileResult failed = FileResult::fromErrno(e, host);
        ::unlink(bytes(infoFile).constData());
        return failed;
    }
    return {};
}

QString FreedesktopTrash::canonicalFolder(const QString& folder) {
    struct stat asked {};
    struct stat known {};
    if (folder != m_folder || ::stat(bytes(folder).constData(), &asked) != 0 ||
        ::stat(bytes(m_canonical).constData(), &known) != 0 || asked.st_dev != known.st_dev ||
        asked.st_ino != known.st_ino) {
        m_folder = folder;
        m_canonical = QFileInfo(folder).canonicalFilePath();
    }
    return m_canonical;
}

QList<FreedesktopTrash::Item> FreedesktopTrash::itemsOf(const Drive& drive) const {
    const DriveRoots roots = driveRoots(m_drives);
    QList<Item> items;
    for (const TrashFolder& trash : trashesOf(drive)) {
        const QString infoFolder = trash.path + QStringLiteral("/info/");
        for (const QByteArray& infoName : infoNames(infoFolder)) {
            const QString name = itemName(infoName);
            if (name.isEmpty())
                continue;
            const QString infoFile = infoFolder + name + kInfoSuffix;
            const QString original = originalPath(infoFile, trash.topdir);
            if (!original.isEmpty() && owningDrive(roots, original) == drive.letter)
                items.append({trash.path, infoFile, trash.path + QStringLiteral("/files/") + name});
        }
    }
    return items;
}

FileResult FreedesktopTrash::emptyDrive(QChar letter) {
    const Drive* drive = m_drives.drive(letter);
    if (!drive)
        return FileResult::failure(FileError::NotFound, QStringLiteral("no drive ") + letter);
    FileResult result;
    for (const Item& item : itemsOf(*drive)) {
        FileResult removed = removeEntry(item.trash, item.entry);
        if (removed && ::unlink(bytes(item.infoFile).constData()) != 0 && errno != ENOENT)
            removed = FileResult::fromErrno(errno, item.infoFile);
        if (!removed && result)
            result = removed;
    }
    return result;
}

bool FreedesktopTrash::hasItems(QChar letter) const {
    const Drive* drive = m_drives.drive(letter);
    if (!drive)
        return false;
    const QList<Item> items = itemsOf(*drive);
    return std::any_of(items.begin(), items.end(), [](const Item& item) {
        struct stat st {};
        return ::lstat(bytes(item.entry).constData(), &st) == 0;
    });
}
