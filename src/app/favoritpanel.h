#pragma once

#include <QWidget>

class CommandTable;
class MarkoerListe;
class QAction;
class TReopenFilerX;
class Tmainform;

// The favourites panel at the right edge of the file area: the favourite folders in a list
// that can be reordered and saved, buttons to make the panel narrower, wider or hidden, and
// the favourites as a dot structure of the folder tree. Its width and whether it shows are
// kept in the options as they change. What it holds is made when it is first shown; its
// buttons' actions, and the commands they run, exist from the start.
class FavoritPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int Smallest = 160;
    static constexpr int Widest = 340;
    static constexpr int Step = 10;

    FavoritPanel(Tmainform& window, CommandTable& commands, TReopenFilerX& favDir);

    // The list of favourites, made if the panel has not been shown yet.
    MarkoerListe* favoritliste();
    // Shows or hides the panel, and keeps that in the options.
    void vis(bool synlig);
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* knap(const char* name, const char* hint, const char* icon);
    void bygIndhold();
    void setBredde(int bredde);
    void breddere();
    void smallere();
    // The folder shown in the file pane becomes a favourite.
    void insertFavoritmappe();
    // The favourites that exist as a dot structure of the folder tree.
    void favoritstruktur();
    void flyt(int retning);
    void wireCommands();

    Tmainform& w;
    CommandTable& c;
    TReopenFilerX& m_favDir;
    MarkoerListe* m_favoritliste = nullptr;
    QAction* m_smallere;
    QAction* m_bredere;
    QAction* m_luk;
    QAction* m_info;
    QAction* m_struktur;
};
