#pragma once

#include "drive.h"

#include <QList>
#include <optional>

struct VolumeInfo {
    Drive drive;
    bool ready = false; // false when the medium is absent or the root cannot be read
    qint64 totalBytes = -1;
    qint64 freeBytes = -1; // free for the calling user; -1 when unknown
};

// The drives the program shows, with their space figures.
class Volumes {
public:
    virtual ~Volumes() = default;
    virtual QList<VolumeInfo> list() const = 0;
    virtual std::optional<VolumeInfo> info(QChar letter) const = 0;
};
