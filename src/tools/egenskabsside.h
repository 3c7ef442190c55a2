#pragma once

#include <QWidget>

class MainHost;
class QCheckBox;
class QPushButton;

// The page "Egenskaber" of the properties window: the confirmations, the view, the private
// block and the start-up, each check box mirroring one option of the main window. Nothing
// is stored before "Gem".
class EgenskabsSide : public QWidget {
    Q_OBJECT

public:
    EgenskabsSide(MainHost& host, QWidget* parent);

    // Sets every check box from the main window's options and disables "Gem".
    void hent();
    // Stores the check boxes, applies the tool bar and the tree lines, and rebuilds the
    // folder tree when the private block changed.
    void gem();

    QPushButton* gemKnap() const { return m_gem; }

private:
    QCheckBox* checkBox(const char* name, const QString& text, const QString& hint = {});

    MainHost& m_host;
    QCheckBox* m_askDelete;
    QCheckBox* m_askInsert;
    QCheckBox* m_askMove;
    QCheckBox* m_papirkurv;
    QCheckBox* m_toolbar;
    QCheckBox* m_strukturlinier;
    QCheckBox* m_billed;
    QCheckBox* m_medPrivat;
    QCheckBox* m_privatOnTop;
    QCheckBox* m_open;
    QCheckBox* m_struktur;
    QPushButton* m_gem;
};
