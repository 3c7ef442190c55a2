#pragma once

#include <QHash>
#include <QObject>

class CommandTable;
class MainMenus;
class QAction;
class QTabBar;
class QMainWindow;
class QToolBar;
class QWidget;

// The tool bars of the main window: the optional tool bar `mainBar` (made when first asked
// for, as it starts hidden), the top bar with the path tabs, the folder tree's two bars, the
// file pane's bar with the switchable action bar `ToolBar`, and the buttons beside the path
// box. Buttons without a command of the table are actions of their own, found by name; the
// information buttons report their help topic through the menus' helpRequested.
class MainToolbars : public QObject {
    Q_OBJECT

public:
    MainToolbars(QMainWindow& window, CommandTable& commands, MainMenus& menus);

    // Made hidden, at the top of the window, the first time it is asked for.
    QToolBar* mainBar();
    // `PanelTop`, holding the path tabs `stibox`.
    QWidget* panelTop() const { return m_panelTop; }
    QTabBar* stibox() const { return m_stibox; }
    QToolBar* toolBar1() const { return m_toolBar1; }
    QToolBar* toolBar3() const { return m_toolBar3; }
    QToolBar* toolBar2() const { return m_toolBar2; }
    QToolBar* actionBar() const { return m_actionBar; }
    // The buttons right of the path box.
    QToolBar* stiButtons() const { return m_stiButtons; }

    // Shows button set `number` (0 to 3) in the action bar.
    void setAMfunktioner(int number);
    int AMfunktionsNumber() const { return m_set; }

private:
    QAction* makeButton(const char* name, const char* caption, const char* hint, const char* icon);
    QAction* helpButton(const char* name, const char* hint, const char* topic);
    void dropDown(QToolBar* bar, const char* name, const char* caption, const char* hint,
                  const char* menu, const char* icon, bool showText);
    void buildMainBar();
    void buildPanelTop();
    void buildFolderBars();
    void buildFileBar();

    QMainWindow& m_window;
    CommandTable& m_commands;
    MainMenus& m_menus;
    QAction* m_mainBarHelp = nullptr;
    QToolBar* m_mainBar = nullptr;
    QWidget* m_panelTop = nullptr;
    QTabBar* m_stibox = nullptr;
    QToolBar* m_toolBar1 = nullptr;
    QToolBar* m_toolBar3 = nullptr;
    QToolBar* m_toolBar2 = nullptr;
    QToolBar* m_actionBar = nullptr;
    QToolBar* m_stiButtons = nullptr;
    int m_set = -1;
};
