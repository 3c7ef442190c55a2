#pragma once

#include "fileresult.h"

#include <QChar>
#include <QString>

// The desktop's trash. Moving there never falls back to permanent deletion.
class RecycleBin {
public:
    virtual ~RecycleBin() = default;
    virtual FileResult moveToTrash(const QString& path) = 0;
    // Removes the trashed items that came from the given drive.
    virtual FileResult emptyDrive(QChar letter) = 0;
    virtual bool hasItems(QChar letter) const = 0;
};
