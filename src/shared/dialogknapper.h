#pragma once

#include <QString>

class QComboBox;
class QPushButton;
class QWidget;

// Controls the program's windows share.

// A button with its hint that never takes Enter, which belongs to the windows' boxes.
QPushButton* dialogKnap(const char* name, const QString& text, const QString& hint,
                        QWidget* parent);
// An editable box whose list of earlier texts the window keeps itself.
QComboBox* historikBoks(const char* name, QWidget* parent);
