#pragma once

#include "filmappeinfo.h"

// The file operations: copy, paste, delete, rename, new folder, extension change.
class THandlinger : public TFilMappeInfo {
    Q_OBJECT

public:
    using TFilMappeInfo::TFilMappeInfo;
};
