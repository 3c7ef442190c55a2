#pragma once

#include <QRect>
#include <QWidget>

class HintLinje;
class InfoBrowser;
class MainHost;
class QAction;
class QLineEdit;
class QMenu;
class QSplitter;
class QToolButton;
class QTreeWidgetItem;
class QUrl;
class TStruktur;
class Turlform;

// The topics the viewer shows: the program's help and the reference topics, each a topic
// file of the structures folder with the images of its tree.
enum class InfoEmne { Program, Html, HtmlEksempler, Css, Js, Vbs };

// The information viewer: a topic's tree on the left, the page of the selected node on the
// right, a search of the tree, the list of the pages visited with first, back, forward and
// last, and an address box. Links to pages of the topic are followed in the viewer, web
// addresses open in the user's browser, anything else is refused. The window keeps its place,
// size and the width of its tree in "information.txt" of the settings folder.
class Tinfoform : public QWidget {
    Q_OBJECT

public:
    Tinfoform(MainHost& host, QWidget* parent);

    // An opener: puts S into the search box, loads the topic unless it is the one loaded, and
    // goes to the node of text S (the first node when S is empty).
    void aabn(InfoEmne emne, const QString& S);
    // The viewer as new: the program help loaded again, the place read again, no pages
    // visited.
    void startForfra();

    // Loads the topic `strukturnavn` names, emptying the list of pages visited.
    void LoadStruktur();
    // Shows the viewer and goes to the first node whose text is the text given (ignoring
    // case; the first node for an empty text) and opens its page; false when there is no
    // such node, and the first node's page is shown.
    bool goToInfo(const QString& openNodetekst);
    // Opens the page of the selected node.
    void StrukturClick();
    // Goes to the next node after the selected one whose text is the search box's text.
    void SearchNode();

    TStruktur* Struktur() const { return m_struktur; }
    InfoBrowser* Web() const { return m_web; }
    QLineEdit* sEdit() const { return m_sEdit; }
    QLineEdit* Edit() const { return m_edit; }
    Turlform* urlform() const { return m_urlform; }
    QMenu* PUstrukturer() const { return m_puStrukturer; }
    // The text of the status bar.
    QString status() const;

    QString strukturnavn;     // the topic file loaded
    QString newNavn;          // the topic the last opener asked for
    QString strukturdir;      // the structures folder
    int urlIndex = -1;        // the current entry of the pages visited, -1 for none
    bool naviKlikket = false; // the next page shown was chosen in the list of pages visited

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* handling(const char* navn, const QString& ikon, const QString& hint);
    QToolButton* knap(QAction* handling);
    void byggMenu();
    void hentGeometri();
    void placer();
    void gemGeometri() const;
    // Shows the window, above a modal dialog when one is open, and usable beside it.
    void visVindue();
    void flytTil(QWidget* ejer);
    void vaelgNode(QTreeWidgetItem* node);
    // Shows a page of the info folder, found by InfoBrowser; false, saying so, when it cannot
    // be read.
    bool naviger(const QString& sti, const QString& anker = {});
    // What follows a page shown: the list of pages visited and the address box.
    void sideVist(const QString& sti);
    void gaaTilIndeks(int index);
    void linkKlikket(const QUrl& url);
    void DocumentMouseOver(const QUrl& url);
    void Ago();
    void rediger();
    // A web address in the user's browser.
    void aabnIBrowser(const QUrl& url);
    void opdaterHandlinger();

    MainHost& m_host;
    QString hjemmeside; // the page last opened from the tree
    QString globalUrl;  // the address of the link under the mouse
    QString optFilnavn;
    QRect m_gemt; // the place and size the geometry file holds, null without one
    bool opstart = true;

    QSplitter* m_splitter;
    QLineEdit* m_sEdit;
    TStruktur* m_struktur;
    QLineEdit* m_edit;
    InfoBrowser* m_web;
    HintLinje* m_infobar;
    Turlform* m_urlform;
    QMenu* m_puStrukturer = nullptr;
    QAction* m_aSearch = nullptr;
    QAction* m_afirst = nullptr;
    QAction* m_aback = nullptr;
    QAction* m_aforward = nullptr;
    QAction* m_alast = nullptr;
    QAction* m_ago = nullptr;
};
