#pragma once

#include "platform/clock.h"

// A clock that stands still at a time the test chooses and refuses to set the system time,
// as Linux does for an ordinary user.
class FakeClock : public Clock {
public:
    void set(const QDateTime& local) { m_now = local; }
    QDateTime localNow() const override { return m_now; }
    QDateTime utcNow() const override { return m_now.toUTC(); }
    FileResult setSystemTime(const QDateTime& time) override;

    int setAttempts() const { return m_setAttempts; }

private:
    QDateTime m_now = QDateTime(QDate(2014, 3, 5), QTime(9, 5, 0));
    int m_setAttempts = 0;
};
