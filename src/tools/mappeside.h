#pragma once

#include <QWidget>

class MainHost;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The page "Mapper" of the properties window: the capacity of the favourites list, the two
// camera folders, the HTML program and whether text files open in the built-in editor.
// Nothing is stored before "Gem", and a "Gem" that finds a box wrong stores nothing.
class MappeSide : public QWidget {
    Q_OBJECT

public:
    MappeSide(MainHost& host, QWidget* parent);

    // Sets every box from the main window's values and disables "Gem".
    void hent();
    // Checks the boxes, then stores them; false, after a message, when one is wrong or the
    // user keeps the favourites a lower capacity would cut.
    bool gem();

    QPushButton* gemKnap() const { return m_gem; }

private:
    QLineEdit* edit(const char* name);
    QPushButton* vaelgKnap(const char* name, QLineEdit* edit);
    // The capacity typed, or 0 after a message.
    int kapacitet();
    void vaelgKameraMappe(QLineEdit* edit, const QString& gemt, bool billeder);
    void vaelgHtmlProgram();

    MainHost& m_host;
    QLineEdit* m_favorit;
    QLineEdit* m_kameraBilled;
    QLineEdit* m_kameraFilm;
    QLineEdit* m_htmlProgram;
    QCheckBox* m_tekstfiler;
    QPushButton* m_gem;
};
