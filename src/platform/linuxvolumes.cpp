#include "linuxvolumes.h"

#include <QStorageInfo>

namespace {

VolumeInfo describe(const Drive& d) {
    VolumeInfo v;
    v.drive = d;
    const QStorageInfo storage(d.hostRoot);
    v.ready = storage.isValid() && storage.isReady();
    if (v.ready) {
        v.totalBytes = storage.bytesTotal();
        v.freeBytes = storage.bytesAvailable();
        if (v.drive.label.isEmpty() && storage.rootPath() == d.hostRoot)
            v.drive.label = storage.name();
        if (v.drive.fileSystem.isEmpty())
            v.drive.fileSystem = QString::fromLatin1(storage.fileSystemType());
    }
    return v;
}

} // namespace

LinuxVolumes::LinuxVolumes(const DriveTable& drives) : m_drives(drives) {}

QList<VolumeInfo> LinuxVolumes::list() const {
    QList<VolumeInfo> result;
    for (const Drive& d : m_drives.drives())
        result.append(describe(d));
    return result;
}

std::optional<VolumeInfo> LinuxVolumes::info(QChar letter) const {
    const Drive* d = m_drives.drive(letter);
    if (!d)
        return std::nullopt;
    return describe(*d);
}
