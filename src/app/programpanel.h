#pragma once

#include "sidepanel.h"

class FavoritPanel;
class QTreeWidget;
class TMenuExeFiler;

// The program panel: the programs of the program list, each with its icon. A click makes a
// program the current one; a double click or Enter starts it with the files selected in the
// file pane. The switch buttons of the two panels show the one in place of the other.
class ProgramPanel : public SidePanel {
    Q_OBJECT

public:
    static constexpr int Smallest = 140;
    static constexpr int Widest = 380;

    ProgramPanel(Tmainform& window, CommandTable& commands, TMenuExeFiler& menuExe,
                 FavoritPanel& favoritter);

    // The list, made if the panel has not been shown yet.
    QTreeWidget* programBox();
    // Refills the list from the program list, once it is made.
    void fyld();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void bygIndhold() override;

private:
    void visProgrammer();
    void visFavoritter();
    // The program of row `row` becomes the current one.
    void vaelg(int row);
    void start(int row);
    void wireCommands();

    TMenuExeFiler& m_menuExe;
    FavoritPanel& m_favoritter;
    QTreeWidget* m_programBox = nullptr;
    QAction* m_info;
};
