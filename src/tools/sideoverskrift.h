#pragma once

#include <QString>

class QLabel;
class QWidget;

// A bold heading over a group of a page's controls.
QLabel* sideOverskrift(const QString& text, QWidget* parent);
