#include "fakeclock.h"

FileResult FakeClock::setSystemTime(const QDateTime&) {
    ++m_setAttempts;
    return FileResult::failure(FileError::AccessDenied, QStringLiteral("not permitted"));
}
