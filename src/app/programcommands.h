#pragma once

#include "shared/lazywindow.h"

class CommandTable;
class FavoritPanel;
class ProgramPanel;
class TMenuExeFiler;
class TProgform;
class Tmainform;

// The user's program list in the main window: the list loaded at start, its submenu
// "Programmer", the program panel, the window "Programmer" that edits the list, and starting
// the program chosen with the files selected in the file pane.
class ProgramCommands {
public:
    ProgramCommands(Tmainform& window, CommandTable& commands, FavoritPanel& favoritter);

    // The saved current program becomes the list's, and its caption shows in the status bar.
    void firstShow();

    TMenuExeFiler& menuExe() const { return *m_menuExe; }
    ProgramPanel* panel() const { return m_panel; }
    TProgform* progform() { return m_progform.get(); }

private:
    // Program `index` was chosen: it becomes the current program and starts.
    void MenuExeParam(int index);

    Tmainform& w;
    TMenuExeFiler* m_menuExe;
    ProgramPanel* m_panel;
    LazyWindow<TProgform> m_progform;
};
