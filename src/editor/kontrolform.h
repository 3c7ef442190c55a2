#pragma once

#include <QWidget>

class Kodekontrol;
class QAction;
class QLabel;
class QProgressBar;
class QStatusBar;
class QToolBar;
class QTreeView;
class Tinfotag;

// The check window "Html kontrol": the structure tree of the last page read, the buttons
// that read the page and run the checks, a progress bar and the sentence of the last check.
// A click on a node, or Enter in the tree, selects the node's tag in the editor. The window
// keeps its place and size in "kontrol.txt" of the settings folder.
class Tkontrolform : public QWidget {
    Q_OBJECT
public:
    Tkontrolform(Kodekontrol& kontrol, Tinfotag& taginf, const QString& optDir, QWidget* parent);

    QTreeView* tree() const { return m_tree; }
    // The node selected in the tree, -1 for none.
    int valgtKnude() const;
    void setStatus(const QString& tekst);
    QString status() const;
    // Progress of reading: the bar and the status text follow it.
    void fremskridt(int procent);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* knap(const char* navn, const QString& ikon, const QString& hint);
    void hentPlads();
    void gemPlads() const;

    Kodekontrol& m_kontrol;
    QString m_pladsFil;
    QToolBar* m_knapper;
    QTreeView* m_tree;
    QProgressBar* m_pBar;
    QStatusBar* m_kontrolinfo;
    QLabel* m_statusTekst;
};
