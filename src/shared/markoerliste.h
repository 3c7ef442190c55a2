#pragma once

#include <QColor>
#include <QListWidget>

// A list of one-line entries drawn as the program's folder lists are: rows 19 pixels high
// on the button face, each with a small coloured marker before its text and a silver line
// under it.
class MarkoerListe : public QListWidget {
    Q_OBJECT

public:
    enum class Form { Cirkel, Firkant };

    MarkoerListe(Form form, QColor farve, QWidget* parent = nullptr);

    // The texts of all rows, top first.
    QStringList tekster() const;
    // Replaces the rows by these texts.
    void setTekster(const QStringList& tekster);
    // Whether a row is selected (the current row alone does not count).
    bool harValgt() const;
    // The selected row, or -1.
    int valgtRaekke() const;
    // Makes the row current and selected, or clears the selection for -1.
    void vaelg(int raekke);
};
