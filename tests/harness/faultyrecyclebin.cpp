#include "faultyrecyclebin.h"
#include "faultpoints.h"

FaultyRecycleBin::FaultyRecycleBin(FaultPoints& faults, std::unique_ptr<RecycleBin> inner)
    : m_faults(faults), m_inner(std::move(inner)) {}

FileResult FaultyRecycleBin::moveToTrash(const QString& path) {
    if (FileResult r = m_faults.check(FaultOp::Trash, {path}); !r)
        return r;
    return m_inner->moveToTrash(path);
}

FileResult FaultyRecycleBin::emptyDrive(QChar letter) {
    if (FileResult r = m_faults.check(FaultOp::EmptyTrash, {QString(letter) + QLatin1Char(':')});
        !r)
        return r;
    return m_inner->emptyDrive(letter);
}

bool FaultyRecycleBin::hasItems(QChar letter) const {
    return m_inner->hasItems(letter);
}
