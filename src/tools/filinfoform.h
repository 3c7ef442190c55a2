#pragma once

#include "engine/filinfovisning.h"

#include <QDialog>

class MainHost;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTabWidget;
class QToolButton;

// The file information window: one page each for a file, a drive and a folder, filled by
// the engine. The user cannot change the page; on the file page the read-only and hidden
// attributes can be changed with "Anvend".
class Tfilinfoform : public QDialog, public FilInfoVisning {
    Q_OBJECT

public:
    explicit Tfilinfoform(MainHost& host);

    void visFil(const FilEgenskaber& fil) override;
    void visDrev(const DrevEgenskaber& drev) override;
    void visMappe(const MappeEgenskaber& mappe) override;
    void visMappeTaelling(const QString& size, const QString& indhold) override;
    bool erVist() const override { return isVisible(); }
    void luk() override { close(); }

    QAction* aAnvend() const { return m_anvend; }

    // The page the engine chose: 0 file, 1 drive, 2 folder.
    int SideNummer = 0;
    // The file on the page "Fil".
    QString Filnavn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPage(int page, const QString& caption);
    void aAnvendExecute();

    MainHost& m_host;
    QTabWidget* m_bog = nullptr;
    QLabel* m_ikonBox = nullptr;
    QLineEdit* m_editFilnavn = nullptr;
    QLineEdit* m_editPath = nullptr;
    QLabel* m_labelFiltype = nullptr;
    QLabel* m_labelSize = nullptr;
    QLabel* m_labelOprettet = nullptr;
    QLabel* m_labelForandret = nullptr;
    QLabel* m_labelAabnet = nullptr;
    QCheckBox* m_cbReadOnly = nullptr;
    QCheckBox* m_cbHidden = nullptr;
    QAction* m_anvend = nullptr;
    QLineEdit* m_editDisknavn = nullptr;
    QLabel* m_labelType = nullptr;
    QLabel* m_labelFilsystem = nullptr;
    QLabel* m_labelAnvendtSpace = nullptr;
    QLabel* m_labelFreeSpace = nullptr;
    QLabel* m_labelKapasitet = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QLineEdit* m_editMappenavn = nullptr;
    QLabel* m_labelPlacering = nullptr;
    QLabel* m_labelMappeSize = nullptr;
    QLabel* m_labelMappeIndhold = nullptr;
    QLabel* m_labeloprettelsesDato = nullptr;
};
