#pragma once

#include "shared/centreddialog.h"

class MainHost;

// "Window applets": twenty picture buttons, each opening one page of the system's settings
// through the main window's launcher, which finds the desktop's own settings program for it.
// The window does not block the main window and stays on top of it.
class TwaForm : public CentredDialog {
    Q_OBJECT

public:
    explicit TwaForm(MainHost& host);
};
