#pragma once

class CommandTable;
class StrukturVisning;
class Tmainform;

// The enabling rules and effects of the main window's commands: what each command looks
// at and what it calls in the engine, the launcher and the windows.
class MainCommands {
public:
    MainCommands(Tmainform& window, CommandTable& commands);

    // The file area is shown, or a window that shows the file commands on its own buttons.
    bool fileContext() const;
    bool fileAreaShown() const;

private:
    void fileRules();
    void runningCommands();
    void informationCommands();
    void searchCommands();
    void refreshingCommands();
    void viewCommands();
    void copy(bool cut);
    void remove(bool toRecycleBin);
    // The menu items and buttons that have no command of their own.
    void itemEffects();
    void toggleMainBar();
    void renameExt();

    bool noFile() const;
    static bool hasSelection(const StrukturVisning* tree);
    static bool hasUnselected(const StrukturVisning* tree);

    Tmainform& w;
    CommandTable& c;
};
