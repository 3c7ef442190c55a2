#pragma once

#include "platform/recyclebin.h"

#include <memory>

class FaultPoints;

// A trash that fails where the fault points say and otherwise passes every call on.
class FaultyRecycleBin : public RecycleBin {
public:
    FaultyRecycleBin(FaultPoints& faults, std::unique_ptr<RecycleBin> inner);

    FileResult moveToTrash(const QString& path) override;
    // Fails for the fault points' paths on the drive ("C:").
    FileResult emptyDrive(QChar letter) override;
    bool hasItems(QChar letter) const override;

private:
    FaultPoints& m_faults;
    std::unique_ptr<RecycleBin> m_inner;
};
