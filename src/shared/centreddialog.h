#pragma once

#include <QDialog>

class QBoxLayout;
class QPushButton;

// Base of the program's small shared windows. Each has a title bar with only a close button,
// is centred on the main window (its parent) every time it is shown, starts with the focus
// on the same widget each time, and closes with the result of the button that was clicked.
class CentredDialog : public QDialog {
    Q_OBJECT

public:
    explicit CentredDialog(QWidget* parent, Qt::WindowFlags extraFlags = {});

    // An icon drawn for the program, by name (":/icons/<name>.svg").
    static QIcon programIcon(const QString& name);
    // The program's emblem in the sizes drawn of it, for the window frames: the window system
    // takes each size the icon has, and a scalable one would be drawn at four sizes first.
    static QIcon windowIcon();

protected:
    void showEvent(QShowEvent* event) override;

    // Appends a button to `row` that closes the dialog with `result`.
    QPushButton* addButton(QBoxLayout* row, const QString& name, const QString& text,
                           DialogCode result);
    // A right-aligned row of "Ja" (the default, with the first focus) and "Nej".
    QBoxLayout* jaNejButtons();
    // The widget that has the keyboard focus each time the dialog is shown.
    void setFirstFocus(QWidget* widget) { m_firstFocus = widget; }

private:
    QWidget* m_firstFocus = nullptr;
};
