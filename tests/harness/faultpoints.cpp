#include "faultpoints.h"
#include "faultyfilesystem.h"
#include "faultyrecyclebin.h"

#include "platform/freedesktoptrash.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/posixfilesystem.h"

FaultPoints::FaultPoints() {
    Platform::setFiles(std::make_unique<FaultyFileSystem>(
        *this, std::make_unique<PosixFileSystem>(Platform::drives())));
    Platform::setRecycleBin(std::make_unique<FaultyRecycleBin>(
        *this, std::make_unique<FreedesktopTrash>(Platform::drives(), Platform::clock())));
}

FaultPoints::~FaultPoints() {
    Platform::setFiles({});
    Platform::setRecycleBin({});
}

void FaultPoints::fail(FaultOp op, const QString& path, FileError error) {
    m_rules.append({op, path, error});
}

FileResult FaultPoints::check(FaultOp op, std::initializer_list<QString> paths) {
    if (beforeEach)
        beforeEach(op);
    for (const Rule& rule : std::as_const(m_rules)) {
        if (rule.op != op)
            continue;
        for (const QString& path : paths) {
            if (LogicalPath::isSameOrBelow(path, rule.path)) {
                ++m_hits;
                return FileResult::failure(rule.error, QStringLiteral("injected: ") + path);
            }
        }
    }
    return {};
}
