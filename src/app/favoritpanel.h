#pragma once

#include "sidepanel.h"

class MarkoerListe;
class TReopenFilerX;

// The favourites panel: the favourite folders in a list that can be reordered and saved, and
// the favourites as a dot structure of the folder tree.
class FavoritPanel : public SidePanel {
    Q_OBJECT

public:
    static constexpr int Smallest = 160;
    static constexpr int Widest = 340;

    FavoritPanel(Tmainform& window, CommandTable& commands, TReopenFilerX& favDir);

    // The list of favourites, made if the panel has not been shown yet.
    MarkoerListe* favoritliste();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void bygIndhold() override;

private:
    // The folder shown in the file pane becomes a favourite.
    void insertFavoritmappe();
    // The favourites that exist as a dot structure of the folder tree.
    void favoritstruktur();
    void flyt(int retning);
    void wireCommands();

    TReopenFilerX& m_favDir;
    MarkoerListe* m_favoritliste = nullptr;
    QAction* m_info;
    QAction* m_struktur;
};
