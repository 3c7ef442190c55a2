#pragma once

#include <QObject>

class QWidget;

// Gives every control a person can reach a name and a description for screen readers, from
// what the control already shows: a button's caption or its command's caption, the label
// that names a box, else its tool tip or hint. Installed once on the application, it names
// each window's controls when the window is first shown; names set by hand are kept.
class Tilgaengelighed : public QObject {
    Q_OBJECT
public:
    // Installs the namer on the application (once, however often it is asked).
    static void installer();
    // Names the window's controls now.
    static void navngiv(QWidget& vindue);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
