#pragma once

#include <QWidget>

class MainHost;
class QComboBox;

// The page "Programdesign" of the properties window: the styles installed, and "Test og gem",
// which switches the program to the one chosen.
class DesignSide : public QWidget {
    Q_OBJECT

public:
    DesignSide(MainHost& host, QWidget* parent);

    // Fills the style box with the names of the styles and chooses the one in use.
    void loadDesign();

    QComboBox* designBox() const { return m_designBox; }

private:
    MainHost& m_host;
    QComboBox* m_designBox;
};
