#pragma once

#include <QChar>
#include <QString>

enum class DriveType { Unknown, Removable, Fixed, Network, CdRom, RamDisk };

// One entry of the drive table: a drive letter standing for a host folder.
struct Drive {
    QChar letter;     // upper case
    QString hostRoot; // absolute, clean host path ("/", "/media/usb")
    DriveType type = DriveType::Fixed;
    QString label;      // volume label, may be empty
    QString fileSystem; // empty when unknown
};
