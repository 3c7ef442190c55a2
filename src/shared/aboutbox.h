#pragma once

#include "centreddialog.h"

// The about box: program icon, name, version and description, shown non-modally and
// closed with "Luk".
class TAboutBox : public CentredDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
