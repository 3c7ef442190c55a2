#pragma once

#include <QStatusBar>

class QEvent;
class QLabel;

// A one-panel status bar: it shows the window's last message, and in its place the hint of
// the element under the mouse while there is one. The window hands it its status-tip events.
class HintLinje : public QStatusBar {
    Q_OBJECT

public:
    explicit HintLinje(QWidget* parent);

    // Shows a message; it stays until the next one.
    void besked(const QString& tekst);
    // What the bar shows now: a hint, else the last message.
    QString tekst() const;
    // True for a status-tip event, which it has shown: a hint, or the message again when the
    // mouse left the element.
    bool visHint(QEvent* event);

private:
    QLabel* m_panel;
    QString m_besked;
};
