#pragma once

#include "engine/enginehost.h"

#include <QList>
#include <algorithm>

// An engine host that shows nothing and keeps nothing.
class QuietHost : public EngineHost {
public:
    int lastStrukturNo() const override { return 0; }
    void setLastStrukturNo(int) override {}
    void makeSpecialStruktur() override {}
    bool visBillede() const override { return false; }
    void historyChanged(bool, bool, bool) override {}
    void showPicture(const QImage&, const QString&) override {}
};

inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}
