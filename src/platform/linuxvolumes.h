#pragma once

#include "drivetable.h"
#include "volumes.h"

// Volumes of the drive table, with space figures from the file system of each root.
class LinuxVolumes : public Volumes {
public:
    // `drives` must outlive the volumes.
    explicit LinuxVolumes(const DriveTable& drives);

    QList<VolumeInfo> list() const override;
    std::optional<VolumeInfo> info(QChar letter) const override;

private:
    const DriveTable& m_drives;
};
