#pragma once

#include "grundfunktioner.h"

// Search by name and extension into the file pane.
class TSearchHandlinger : public TGrundfunktioner {
    Q_OBJECT

public:
    using TGrundfunktioner::TGrundfunktioner;
};
