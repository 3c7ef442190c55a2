#pragma once

#include <QDialog>

class MainHost;
class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;

// The music lists window "Musiklister": saves the queue as a named list in the music list
// folder, loads such a list back into the queue and deletes lists to the trash.
class Tmusikform : public QDialog {
    Q_OBJECT

public:
    explicit Tmusikform(MainHost& host);

    // Every way of closing ends here: "Luk", the title bar and Escape.
    void done(int result) override;

    QLineEdit* EditGem() const { return m_editGem; }
    QLineEdit* EditHent() const { return m_editHent; }
    QListWidget* musikliste() const { return m_musikliste; }
    QAction* aGem() const { return m_aGem; }
    QAction* aHent() const { return m_aHent; }
    QAction* aSlet() const { return m_aSlet; }
    // Reads the list files afresh; the open-name box and listenavn are emptied.
    void opdater();

    // The name, without folder and extension, of the list last saved or loaded.
    QString listenavn;

private:
    QString pladsfil() const;
    // The selected list file, as a full path; empty when none is selected.
    QString valgtFil() const;
    void laesListe();
    void opdaterKommandoer();
    void gem();
    void hent();
    void slet();

    MainHost& m_host;
    QListWidget* m_musikliste = nullptr;
    QLineEdit* m_editGem = nullptr;
    QLineEdit* m_editHent = nullptr;
    QCheckBox* m_spilStraks = nullptr;
    QCheckBox* m_lukStraks = nullptr;
    QAction* m_aGem = nullptr;
    QAction* m_aHent = nullptr;
    QAction* m_aSlet = nullptr;
};
