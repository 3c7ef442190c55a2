#pragma once

#include <QRect>

// Where a window may stand: inside the part of a screen that panels and docks leave free.
class Skaermplads {
public:
    // The frame moved onto the screen it mostly lies on (the primary screen when it lies on
    // none) and made no larger than that screen's free area.
    static QRect inden(const QRect& frame);
};
