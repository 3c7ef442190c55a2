#pragma once

#include "fileresult.h"

#include <QDateTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime localNow() const = 0;
    virtual QDateTime utcNow() const = 0;
    // Setting the system time needs privileges an ordinary user lacks; the refusal is
    // returned, never hidden.
    virtual FileResult setSystemTime(const QDateTime& time) = 0;
};
