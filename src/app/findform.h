#pragma once

#include "engine/tekstsoegning.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class StrukturVisning;
class MainHost;
class TekstFundModel;

// The text search window: finds a text in the files of a folder (or in the files selected
// in the file pane) and lists every hit with its document, position and line; showing a
// hit opens its document there. Remembers its place in "findoptions.txt".
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
    // selected in the file pane.
    void FindSD();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The files to search; selected or listed files whose names the program cannot use are
    // counted in `ubrugelige`.
    QStringList filerAtSoege(bool& ulaesteMappe, int& ubrugelige) const;
    void opdaterHistorik();
    void opdaterKommandoer();
    void visAntal(int ulaesteFiler, bool ulaesteMappe);
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
    QAction* m_afind = nullptr;
    QAction* m_aerstat = nullptr;
    QAction* m_afindBib = nullptr;
    QAction* m_aopenAll = nullptr;
    QAction* m_avisValgte = nullptr;
    QAction* m_afjern = nullptr;
    QAction* m_asletAlt = nullptr;
};
