#pragma once

#include "searchhandlinger.h"

// The confirmation questions of copy, move and delete.
class TSpm : public TSearchHandlinger {
    Q_OBJECT

public:
    using TSearchHandlinger::TSearchHandlinger;
};
