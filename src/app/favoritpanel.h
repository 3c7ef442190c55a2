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
// kept in the options as they change.
class FavoritPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int Smallest = 160;
    static constexpr int Widest = 340;
    static constexpr int Step = 10;

    FavoritPanel(Tmainform& window, CommandTable& commands, TReopenFilerX& favDir);

    MarkoerListe* favoritliste() const { return m_favoritliste; }
    // Shows or hides the panel.
    void vis(bool synlig);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* knap(const char* name, const char* hint, const char* icon);
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
    MarkoerListe* m_favoritliste;
};
