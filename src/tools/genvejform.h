#pragma once

#include "shared/centreddialog.h"

class BreddeKnapper;
class MainHost;
class QLineEdit;

// "Opret genvej": the target of a new shortcut (a program, a file or a folder, typed or
// chosen in the choice dialogs) and its name. The main window reads both boxes after
// "Opret" and makes the shortcut; the boxes keep their text between showings.
class Tgenvejform : public CentredDialog {
    Q_OBJECT

public:
    explicit Tgenvejform(MainHost& host);

    QLineEdit* EditTarget() const { return m_editTarget; }
    QLineEdit* EditName() const { return m_editName; }
    BreddeKnapper& bredde() const { return *m_bredde; }

private:
    void vaelgProgram();
    void vaelgMappe();

    MainHost& m_host;
    QLineEdit* m_editTarget;
    QLineEdit* m_editName;
    BreddeKnapper* m_bredde = nullptr;
};
