#pragma once

#include "engine/tekstsoegning.h"

#include <QDialog>

class Arbejdsvagt;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class StrukturVisning;
class MainHost;
class TekstFundModel;

// The text search window: finds, and replaces, a text in the documents open in the editor,
// or finds it in the files of a folder (or in the files selected in the file pane), and
// lists every hit with its document, position and line; showing a hit opens its document
// there. Remembers its place in "findoptions.txt".
class Tfindform : public QDialog {
    Q_OBJECT

public:
    // `filbox` is the main window's file pane, whose selection "Kun valgte filer" searches.
    Tfindform(MainHost& host, StrukturVisning* filbox);

    // The search folder with a trailing backslash; the main window keeps it at the folder
    // the file pane shows.
    const QString& Mappe() const { return m_mappe; }
    void setMappe(const QString& mappe);
    // The file types offered ("Tekstfil (*.txt)"); the first is chosen.
    void setFilterEntries(const QStringList& entries);

    // "Find i mappe": searches the search folder's files of the chosen type, or the files
    // selected in the file pane. The window stays in use meanwhile: it shows the hits found
    // and how far the search has come, and "Stop", Esc or closing the window stops it.
    void FindSD();
    // "Find i åbne dokumenter" and, with `ReplaceF`, "Erstat i åbne dokumenter".
    void Find(bool ReplaceF);
    bool soeger() const { return m_vagt != nullptr; }

signals:
    // A folder search has searched `soegt` of its `ialt` files.
    void fremskridt(int soegt, int ialt);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The files to search; selected or listed files whose names the program cannot use are
    // counted in `ubrugelige`.
    QList<SoegeFil> filerAtSoege(bool& ulaesteMappe, int& ubrugelige) const;
    void opdaterHistorik();
    // Empties the list, lets the window show it, and gives the text to search for.
    QString nySoegning();
    void opdaterKommandoer();
    void visAntal(int ulaesteFiler, bool ulaesteMappe);
    // Lists the hits of `fund` not listed yet and shows how far the search has come.
    void visFremskridt(const QList<TekstFund>& fund, int soegt, int ialt);
    int valgtRaekke() const;
    void AvisValgteExecute();
    void AopenAllExecute();
    void setDirKnapClick();

    QString optionFil() const;

    MainHost& m_host;
    StrukturVisning* m_filbox;
    QString m_mappe;
    QString m_soegetekst; // the text of the hits listed
    bool m_opstart = true;
    Arbejdsvagt* m_vagt = nullptr; // while a folder search is under way

    QComboBox* m_editFind = nullptr;
    QComboBox* m_editErstat = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QCheckBox* m_check3 = nullptr;
    QCheckBox* m_filtyperCheck = nullptr;
    QComboBox* m_filterBoks = nullptr;
    QLineEdit* m_dirEdit = nullptr;
    QTableView* m_findis = nullptr;
    TekstFundModel* m_model = nullptr;
    QLabel* m_countdis = nullptr;
    QPushButton* m_stopKnap = nullptr;
    QPushButton* m_setDirKnap = nullptr;
    QAction* m_afind = nullptr;
    QAction* m_aerstat = nullptr;
    QAction* m_afindBib = nullptr;
    QAction* m_aopenAll = nullptr;
    QAction* m_avisValgte = nullptr;
    QAction* m_afjern = nullptr;
    QAction* m_asletAlt = nullptr;
};
