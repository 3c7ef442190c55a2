#pragma once

#include "information.h"

// Showing, resetting and closing the progress window.
class TPrehandlinger : public TInformation {
    Q_OBJECT

public:
    using TInformation::TInformation;
};
