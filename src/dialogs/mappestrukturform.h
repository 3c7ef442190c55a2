#pragma once

#include <QDialog>
#include <functional>

class MainHost;
class MarkoerListe;
class QAction;
class QLineEdit;
class QPushButton;
class Topenmappeform;

// "Mappestruktur": named lists of folders kept as text files in the user's folder
// "Mappestrukturer", one folder a line. The top list is the structure being composed (its
// name in the box below it); the bottom list holds the saved structures, the middle one the
// folders of the structure chosen there. Shown without being modal; closing only hides it.
//
// "Rediger valgte" and "Vis struktur" are commands of the main window; their buttons here
// show the actions handed to the constructor.
class Tmappestrukturform : public QDialog {
    Q_OBJECT

public:
    Tmappestrukturform(MainHost& host, QAction& rediger, QAction& visStruktur,
                       std::function<Topenmappeform&()> mappeDialog);

    // Refills the list of saved structures and empties the other two lists and the name box.
    void loadMappeStruktur();
    // "Rediger valgte": the chosen structure becomes the one composed, after asking when
    // that would lose changes.
    void redigerValgte();
    // The folders of the structure chosen in the bottom list.
    QStringList valgteMapper() const;
    bool harValgtStruktur() const;
    // The composed list or its name changed since it was saved, loaded or cleared.
    bool redigeret() const { return m_redigeret; }

    // The name a structure is saved under: the text without folder and extension, or empty
    // when nothing usable remains.
    static QString strukturnavn(const QString& tekst);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* knap(const char* name, const char* text, const char* hint);
    // A button that shows and triggers the action.
    QPushButton* knap(const char* name, QAction& action);
    void opdaterKnapper();
    void setRedigeret(bool redigeret);
    // True when nothing composed would be lost, or the user lets it go for `handling`
    // ("Skal der <handling> alligevel?").
    bool maaMisteRedigering(const QString& handling);
    // Appends a folder to the composed list.
    void indfoerMappe(const QString& folder);
    void insertMappe();
    void fjernMappe();
    void flyt(int retning);
    void gem();
    void klargoer();
    void sletValgte();
    void vaelgStruktur();
    void visMappe(const QString& folder);

    MainHost& m_host;
    QString m_optFilnavn;
    std::function<Topenmappeform&()> m_mappeDialog;
    QAction& m_visStruktur;
    bool m_redigeret = false;
    MarkoerListe* m_strukturListeMapper;
    MarkoerListe* m_strukturMappeListe;
    MarkoerListe* m_strukturListe;
    QLineEdit* m_editGem;
    QPushButton* m_fjern = nullptr;
    QPushButton* m_op = nullptr;
    QPushButton* m_ned = nullptr;
    QPushButton* m_gem = nullptr;
    QPushButton* m_klargoer = nullptr;
    QPushButton* m_slet = nullptr;
};
