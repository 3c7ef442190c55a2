#pragma once

#include "engine/varprop.h"

class MainHost;
class StrukturVisning;

// A dialog's loan of one of the engine's trees. While the loan lasts the engine's folder
// tree (1) or file pane (2) is the dialog's tree, the engine's change event goes to the
// dialog and the dialog's tree is the active one; the structures it shows are not kept for
// the next start. Giving it back, explicitly or when the loan is destroyed (however the
// dialog ended, an exception included), puts back the trees, Grundmappe, Dirmappe, Bibmappe,
// Filnavn, the folder history, the change event, the active tree, the structure number and
// whether the last structure opens at start exactly as they were when the loan began.
class StrukturLaan {
public:
    StrukturLaan(MainHost& host, int struktur, StrukturVisning* tree, TonDirectoryChange onChange);
    ~StrukturLaan();
    StrukturLaan(const StrukturLaan&) = delete;
    StrukturLaan& operator=(const StrukturLaan&) = delete;

    // Gives the tree back now; later calls do nothing.
    void tilbage();
    // The folder the file pane showed when the loan began.
    const QString& gemtGrundmappe() const { return m_grundmappe; }

private:
    MainHost& m_host;
    bool m_laant = true;
    StrukturVisning* m_struktur1;
    StrukturVisning* m_struktur2;
    QString m_grundmappe;
    QString m_dirmappe;
    QString m_bibmappe;
    QString m_filnavn;
    QStringList m_historik;
    int m_historikIndex;
    QString m_lastStruktur;
    bool m_openLastStruktur;
    TonDirectoryChange m_onChange;
    int m_aktiveStruktur;
    int m_lastStrukturNo;
};
