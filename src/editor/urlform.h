#pragma once

#include <QWidget>

class HintLinje;
class QAction;
class QListWidget;
class QPushButton;

// "Urlboks": the information viewer's list of the pages visited, in visit order, with the
// viewer's current entry selected. "Rens liste" keeps the first of each name, "Slet liste"
// empties it; a double click or Enter on an entry asks the viewer to go there. Its width and
// height are kept in "urlboks.txt" of the settings folder.
class Turlform : public QWidget {
    Q_OBJECT

public:
    // `urlIndex` is the viewer's current entry, which the list's own commands move.
    Turlform(int& urlIndex, const QString& optDir, QWidget* parent);

    QListWidget* urlListe() const { return m_urlListe; }
    QAction* ArensDobbelt() const { return m_rens; }
    QAction* AsletAlle() const { return m_slet; }
    QString status() const;

    // Keeps the first entry of each name (ignoring case); the current entry stays current.
    void rensDobbelt();
    void sletAlle();
    // Selects the current entry, none when there is none.
    void visAktuelle();

signals:
    // The user chose the entry to go to.
    void valgt(int index);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void opdaterHandlinger();
    QPushButton* knap(QAction* handling);

    int& m_urlIndex;
    QString m_optFilnavn;
    QListWidget* m_urlListe;
    QAction* m_rens;
    QAction* m_slet;
    HintLinje* m_infoBar;
};
