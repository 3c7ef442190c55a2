#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

// The small pieces the calendar window's pages are built of, and the reading of their
// number boxes.
namespace Felter {

template <class T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A push button that Enter in a box does not press, with its hint as tool and status tip.
QPushButton* knap(const QString& text, const QString& hint, const QString& name, QWidget* parent);
// A right-aligned box for a number of `cifre` digits.
QLineEdit* talboks(int cifre, const QString& hint, const QString& name, QWidget* parent);
// A titled box of fields side by side, each under its label (none over a button).
QGroupBox* gruppe(const QString& title, const QList<QPair<QString, QWidget*>>& columns,
                  QWidget* parent);

// A whole number of at most nine digits "0"-"9", blanks around it allowed; nullopt for
// any other text, an empty one included.
std::optional<int> tal(const QString& text);
std::optional<int> tal(const QLineEdit* box);

// An information box with OK.
void melding(const QString& text);

} // namespace Felter
