#pragma once

#include "shared/centreddialog.h"

class MainHost;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TMenuExeFiler;

// "Programmer": the user's program list, on three pages: a new program is chosen and added,
// a program is removed after a question, and the programs are put in another order. Each
// showing starts on the first page. A new order is kept by "Gem", by leaving the page and
// by closing the window.
class TProgform : public CentredDialog {
    Q_OBJECT

public:
    TProgform(MainHost& host, TMenuExeFiler& menuExe);

    QTabWidget* bog() const { return m_bog; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* nytProgramSide();
    QWidget* fjernSide();
    QWidget* raekkefoelgeSide();
    void vaelgFil();
    void tilfoej();
    void tomFelter();
    void fyldListe(QTreeWidget* liste);
    void fjernValgt();
    void besvar(bool ja);
    void flyt(int retning);
    void gemRaekkefoelge();
    void opdaterKnapper();

    MainHost& m_host;
    TMenuExeFiler& m_menuExe;
    QTabWidget* m_bog;
    QLineEdit* m_filEdit = nullptr;
    QPushButton* m_vaelgFil = nullptr;
    QLabel* m_iconDis = nullptr;
    QLineEdit* m_capEdit = nullptr;
    QCheckBox* m_maximeret = nullptr;
    QLabel* m_addText = nullptr;
    QTreeWidget* m_programListe = nullptr;
    QLineEdit* m_fileText = nullptr;
    QPushButton* m_fjern = nullptr;
    QWidget* m_spm = nullptr;
    QLabel* m_spmLabel = nullptr;
    QTreeWidget* m_programliste2 = nullptr;
    QPushButton* m_gem = nullptr;
    QPushButton* m_op = nullptr;
    QPushButton* m_ned = nullptr;
    bool m_foersteValg = true; // the file dialog opens at the file pane's folder the first time
    bool m_aendret = false;    // the order changed and is not written
};
