#pragma once

#include <QWidget>

class CommandTable;
class QAction;
class QToolBar;
class QVBoxLayout;
class Tmainform;

// What the two side panels at the right edge of the file area share: a top bar with the
// title, the switch to the other panel and buttons that make the panel narrower, wider or
// hidden, a width kept within its limits in steps of ten, and the width and whether it shows
// kept in the options as they change. What a panel holds is made when it is first shown;
// its buttons' actions exist from the start.
class SidePanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int Step = 10;

    struct Limits {
        int smallest;
        int widest;
        int standard; // for a width no panel could show
    };

    // `nr` (1 favourites, 2 programs) names the panel's buttons ("sbBg1Skift"); `bredde` and
    // `synlig` are its options.
    SidePanel(Tmainform& window, CommandTable& commands, int nr, Limits limits, int& bredde,
              bool& synlig);

    // Shows or hides the panel, and keeps that in the options.
    void vis(bool synlig);
    void setVisible(bool visible) override;
    QAction* skift() const { return m_skift; }

protected:
    // A button's action, registered under its name with its hint and icon.
    QAction* knap(const QString& name, const char* hint, const char* icon);
    // The panel's column, its top row with `titel` and the bar `top` of the four buttons.
    QVBoxLayout* bygTop(const QString& titel, QToolBar* top);
    static QToolBar* panelBar(const char* name, QWidget* parent);
    // Makes what the panel holds, once.
    virtual void bygIndhold() = 0;

    Tmainform& w;
    CommandTable& c;

private:
    void setBredde(int bredde);
    void breddere();
    void smallere();

    const Limits m_limits;
    int& m_bredde;
    bool& m_synlig;
    QAction* m_skift;
    QAction* m_smallere;
    QAction* m_bredere;
    QAction* m_luk;
    bool m_bygget = false;
};
