#pragma once

#include "clock.h"

class SystemClock : public Clock {
public:
    QDateTime localNow() const override;
    QDateTime utcNow() const override;
    FileResult setSystemTime(const QDateTime& time) override;
};
