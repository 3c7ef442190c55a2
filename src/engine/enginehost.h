#pragma once

#include <QImage>
#include <QString>

// The special folders the user may point elsewhere in the personal folders dialog.
enum class PersonligMappe { Skrivebord, Dokumenter, Billeder, Musik, Videoer, Favoritter };

// What the folder tree shows; the number is saved with the options.
enum StrukturType : int {
    DrevStruktur = 0,       // the drives
    HistorikStruktur = 1,   // the folders visited, with their paths
    PunktStruktur = 2,      // chosen folders side by side
    MappePunktStruktur = 3, // one folder's subfolders side by side
};

// What the engine needs of the window that owns it: options, the structure number and the
// windows the engine fills. The main window implements it; tests give a small fake.
class EngineHost {
public:
    virtual ~EngineHost() = default;

    // The StrukturType the folder tree shows.
    virtual int lastStrukturNo() const = 0;
    virtual void setLastStrukturNo(int number) = 0;
    // Rebuilds the saved history or dot structure.
    virtual void makeSpecialStruktur() = 0;
    // Preview pictures when they are selected in the file pane.
    virtual bool visBillede() const = 0;
    // Enables the back, forward and history-structure controls after the history changed;
    // hasHistory is true once more than one folder was visited.
    virtual void historyChanged(bool canGoBack, bool canGoForward, bool hasHistory) = 0;
    // The folder the user chose for a special folder; empty when the system's own is used.
    virtual QString personligMappe(PersonligMappe) const { return {}; }
    // Shows a loaded picture in the picture window.
    virtual void showPicture(const QImage& picture, const QString& fileName) = 0;
};
