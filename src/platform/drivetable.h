#pragma once

#include "drive.h"

#include <QList>
#include <optional>

// Maps drive letters to host folders and translates paths both ways. Only the platform
// layer ever sees host paths; everything above it speaks logical paths.
class DriveTable {
public:
    // RAVNSTI_DRIVES when set, else C: for "/" and further letters for the real mounts.
    static DriveTable fromEnvironment();
    // "C=/dir;D=/dir2|removable|Backup (gl)|vfat": letter=host[|type[|label[|fs]]].
    // Types: fixed, removable, cdrom, network, ramdisk.
    static DriveTable fromSpec(const QString& spec);
    static DriveTable fromMounts();

    const QList<Drive>& drives() const { return m_drives; }
    const Drive* drive(QChar letter) const;

    // "D:\Fotos\2020" -> "/dir2/Fotos/2020"; nullopt for an unknown drive, a path without a
    // drive, or a name that cannot exist on the host (a NUL character).
    std::optional<QString> toHost(const QString& logical) const;
    // The inverse; nullopt for a relative path, a path outside every drive, or a component
    // holding a backslash or a line break (such a name has no logical form).
    std::optional<QString> toLogical(const QString& host) const;
    // Whether a host file name can appear in a logical path.
    static bool isMappableName(const QString& hostName);
    // The clean absolute host path lies in the folder `hostRoot` or is that folder itself.
    static bool isInside(const QString& hostRoot, const QString& hostPath);

private:
    void add(const Drive& d);
    QList<Drive> m_drives;
};
