#pragma once

#include "volumes.h"

// Volumes of the drive table, with space figures from the file system of each root.
class LinuxVolumes : public Volumes {
public:
    QList<VolumeInfo> list() const override;
    std::optional<VolumeInfo> info(QChar letter) const override;
};
