#pragma once

#include "prehandlinger.h"

// Drive, folder and file information.
class TFilMappeInfo : public TPrehandlinger {
    Q_OBJECT

public:
    using TPrehandlinger::TPrehandlinger;
};
