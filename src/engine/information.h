#pragma once

#include "spm.h"

// Counting folders, files and bytes, and the progress arithmetic.
class TInformation : public TSpm {
    Q_OBJECT

public:
    using TSpm::TSpm;
};
