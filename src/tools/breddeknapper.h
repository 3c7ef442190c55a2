#pragma once

#include <QObject>

class QBoxLayout;
class QToolButton;
class QWidget;

// The two width buttons of a small window: "Gør boksen større" widens it by 140 pixels while
// it is at most 1920 wide, "Gør boksen mindre" sets it back to its narrow width while it is
// wider than 360.
class BreddeKnapper : public QObject {
    Q_OBJECT

public:
    // Adds the buttons to `row` and gives the window its width `start`.
    BreddeKnapper(QWidget& window, QBoxLayout* row, int mindste, int start);

    void setBredde(int width);
    QToolButton* stoerre() const { return m_stoerre; }
    QToolButton* mindre() const { return m_mindre; }

private:
    QWidget& m_window;
    QToolButton* m_stoerre;
    QToolButton* m_mindre;
};
