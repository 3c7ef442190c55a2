#pragma once

#include <QCheckBox>

// A check box that shows an option of the main window and copies every change into it. The
// option must outlive the box, as the main window's options outlive its windows.
class Valgboks : public QCheckBox {
    Q_OBJECT

public:
    Valgboks(const QString& text, const char* name, bool& option, QWidget* parent);
};
