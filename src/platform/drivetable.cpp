#include "drivetable.h"
#include "logicalpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {

DriveType typeFromWord(const QString& word) {
    const QString w = word.trimmed().toLower();
    if (w == QLatin1String("removable"))
        return DriveType::Removable;
    if (w == QLatin1String("cdrom"))
        return DriveType::CdRom;
    if (w == QLatin1String("network"))
        return DriveType::Network;
    if (w == QLatin1String("ramdisk"))
        return DriveType::RamDisk;
    if (w == QLatin1String("unknown"))
        return DriveType::Unknown;
    return DriveType::Fixed;
}

bool isPseudoFileSystem(const QByteArray& fs) {
    static const QList<QByteArray> pseudo = {
        "proc",      "sysfs",       "devtmpfs",   "devpts",      "cgroup",
        "cgroup2",   "pstore",      "securityfs", "debugfs",     "tracefs",
        "configfs",  "fusectl",     "mqueue",     "hugetlbfs",   "bpf",
        "autofs",    "binfmt_misc", "nsfs",       "efivarfs",    "rpc_pipefs",
        "selinuxfs", "squashfs",    "overlay",    "fuse.portal", "fuse.gvfsd-fuse"};
    return pseudo.contains(fs);
}

DriveType typeOfMount(const QStorageInfo& info) {
    const QByteArray fs = info.fileSystemType();
    if (fs == "iso9660" || fs == "udf")
        return DriveType::CdRom;
    if (fs == "nfs" || fs == "nfs4" || fs == "cifs" || fs == "smb3" || fs == "fuse.sshfs")
        return DriveType::Network;
    if (fs == "tmpfs" || fs == "ramfs")
        return DriveType::RamDisk;
    // /dev/sdb1 -> /sys/block/sdb/removable
    QString dev = QFileInfo(QString::fromLocal8Bit(info.device())).canonicalFilePath();
    if (dev.startsWith(QLatin1String("/dev/"))) {
        QString name = dev.mid(5);
        while (!name.isEmpty() && !QFile::exists(QLatin1String("/sys/block/") + name))
            name.chop(1);
        if (name.startsWith(QLatin1String("sr")))
            return DriveType::CdRom;
        QFile removable(QLatin1String("/sys/block/") + name + QLatin1String("/removable"));
        if (!name.isEmpty() && removable.open(QIODevice::ReadOnly) &&
            removable.readAll().trimmed() == "1")
            return DriveType::Removable;
    }
    return DriveType::Fixed;
}

} // namespace

DriveTable DriveTable::fromEnvironment() {
    const QString spec = qEnvironmentVariable("RAVNSTI_DRIVES");
    return spec.isEmpty() ? fromMounts() : fromSpec(spec);
}

DriveTable DriveTable::fromSpec(const QString& spec) {
    DriveTable table;
    for (const QString& entry : spec.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq != 1 || !LogicalPath::hasDrive(entry.left(1) + QLatin1Char(':')))
            continue; // only the letters A to Z make logical paths
        const QStringList fields = entry.mid(2).split(QLatin1Char('|'));
        Drive d;
        d.letter = entry.at(0).toUpper();
        d.hostRoot = QDir::cleanPath(fields.value(0));
        d.type = fields.size() > 1 ? typeFromWord(fields.at(1)) : DriveType::Fixed;
        d.label = fields.value(2);
        d.fileSystem = fields.size() > 3
                           ? fields.at(3)
                           : QString::fromLatin1(QStorageInfo(d.hostRoot).fileSystemType());
        // Absolute host folders only; Qt would also take ":name", a path into its resources.
        if (d.hostRoot.startsWith(QLatin1Char('/')))
            table.add(d);
    }
    return table;
}

DriveTable DriveTable::fromMounts() {
    DriveTable table;
    const QStorageInfo root = QStorageInfo::root();
    table.add({QLatin1Char('C'), QStringLiteral("/"), DriveType::Fixed, root.name(),
               QString::fromLatin1(root.fileSystemType())});

    QList<QStorageInfo> mounts = QStorageInfo::mountedVolumes();
    std::sort(mounts.begin(), mounts.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    char16_t letter = u'D';
    for (const QStorageInfo& m : mounts) {
        if (letter > u'Z')
            break;
        const QString path = QDir::cleanPath(m.rootPath());
        if (path == QLatin1String("/") || !m.isValid() || isPseudoFileSystem(m.fileSystemType()))
            continue;
        if (path.startsWith(QLatin1String("/proc")) || path.startsWith(QLatin1String("/sys")) ||
            path.startsWith(QLatin1String("/dev")) ||
            (path.startsWith(QLatin1String("/run")) &&
             !path.startsWith(QLatin1String("/run/media/"))))
            continue;
        if (!QFileInfo(path).isDir() || !isMappableName(path))
            continue; // bind mounts of single files, or names without a logical form
        table.add({QChar(letter++), path, typeOfMount(m), m.name(),
                   QString::fromLatin1(m.fileSystemType())});
    }
    return table;
}

void DriveTable::add(const Drive& d) {
    m_drives.removeIf([&](const Drive& x) { return x.letter == d.letter; });
    m_drives.append(d);
    std::sort(m_drives.begin(), m_drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

const Drive* DriveTable::drive(QChar letter) const {
    const QChar up = letter.toUpper();
    for (const Drive& d : m_drives)
        if (d.letter == up)
            return &d;
    return nullptr;
}

bool DriveTable::isMappableName(const QString& hostName) {
    return !hostName.contains(QLatin1Char('\\')) && !hostName.contains(QLatin1Char('\n')) &&
           !hostName.contains(QLatin1Char('\r'));
}

std::optional<QString> DriveTable::toHost(const QString& logical) const {
    if (!LogicalPath::hasDrive(logical) || logical.contains(QChar(0)))
        return std::nullopt;
    const Drive* d = drive(logical.at(0));
    if (!d)
        return std::nullopt;
    const QString rest = LogicalPath::normalized(logical).mid(2);
    if (!rest.isEmpty() && !rest.startsWith(QLatin1Char('\\')))
        return std::nullopt; // "C:foo" (drive-relative) has no meaning here
    // A ".." never leads above the drive's root, and empty parts (a doubled "\\") are left out.
    const QStringList parts = LogicalPath::withoutDots(LogicalPath::normalized(logical))
                                  .mid(2)
                                  .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return d->hostRoot;
    const QString tail = parts.join(QLatin1Char('/'));
    return d->hostRoot == QLatin1String("/") ? QLatin1Char('/') + tail
                                             : d->hostRoot + QLatin1Char('/') + tail;
}

bool DriveTable::isInside(const QString& hostRoot, const QString& hostPath) {
    return hostRoot == QLatin1String("/") || hostPath == hostRoot ||
           hostPath.startsWith(hostRoot + QLatin1Char('/'));
}

std::optional<QString> DriveTable::toLogical(const QString& host) const {
    if (!host.startsWith(QLatin1Char('/')))
        return std::nullopt;
    const QString clean = QDir::cleanPath(host);
    const Drive* best = nullptr;
    for (const Drive& d : m_drives) {
        if (isInside(d.hostRoot, clean) && (!best || d.hostRoot.size() > best->hostRoot.size()))
            best = &d;
    }
    if (!best)
        return std::nullopt;
    const QString rest =
        best->hostRoot == QLatin1String("/") ? clean.mid(1) : clean.mid(best->hostRoot.size() + 1);
    QString logical = QString(best->letter) + QLatin1Char(':');
    for (const QString& part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!isMappableName(part))
            return std::nullopt;
        logical += QLatin1Char('\\') + part;
    }
    return logical;
}
