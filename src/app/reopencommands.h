#pragma once

#include <QString>

class CommandTable;
class TReopenFiler;
class TReopenFilerX;
class Tmainform;

// The main window's remembered lists: "Seneste filer" (ReopenFiler), "Seneste mapper"
// (ReopenDir) and "Favoritmapper" (FavDir), their submenus and the commands that add the
// file or folder in focus to the recent lists.
class ReopenCommands {
public:
    // Loads the recent lists; the favourites wait for firstShow.
    ReopenCommands(Tmainform& window, CommandTable& commands);

    void firstShow();
    // Closing: writes the recent lists; false, after a message, when one could not be.
    bool gem();

    TReopenFiler& ReopenFiler() const { return *m_reopenFiler; }
    TReopenFiler& ReopenDir() const { return *m_reopenDir; }
    TReopenFilerX& FavDir() const { return *m_favDir; }

private:
    void wireMenus();
    void visFil(const QString& path);
    void visMappe(const QString& path);

    Tmainform& w;
    CommandTable& c;
    TReopenFiler* m_reopenFiler;
    TReopenFiler* m_reopenDir;
    TReopenFilerX* m_favDir;
};
