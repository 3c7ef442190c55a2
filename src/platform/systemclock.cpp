#include "systemclock.h"

#include <cerrno>
#include <ctime>

QDateTime SystemClock::localNow() const {
    return QDateTime::currentDateTime();
}

QDateTime SystemClock::utcNow() const {
    return QDateTime::currentDateTimeUtc();
}

FileResult SystemClock::setSystemTime(const QDateTime& time) {
    if (!time.isValid())
        return FileResult::failure(FileError::InvalidData, QStringLiteral("invalid time"));
    const qint64 ms = time.toMSecsSinceEpoch();
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ms / 1000);
    ts.tv_nsec = static_cast<long>((ms % 1000) * 1000000);
    if (clock_settime(CLOCK_REALTIME, &ts) != 0)
        return FileResult::fromErrno(errno, QStringLiteral("clock_settime"));
    return {};
}
