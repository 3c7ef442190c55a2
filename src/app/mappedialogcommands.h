#pragma once

#include "shared/lazywindow.h"

class Tmainform;
class Tmappeform;
class Tstiform;

// The main window's commands that choose folders in windows of their own: "Kopier til" and
// "Flyt til" through the destination window, and the personal folders, which are read at
// start-up.
class MappeDialogCommands {
public:
    explicit MappeDialogCommands(Tmainform& window);

    Tmappeform* mappeform() { return m_mappeform.get(); }
    Tstiform* stiform() { return m_stiform.get(); }
    // Shows the personal folders window without blocking, in front.
    void visStiform();

private:
    // Copies (or, with `kopier` false, moves) the selection into a chosen folder.
    void kopierTil(bool kopier);

    Tmainform& w;
    LazyWindow<Tmappeform> m_mappeform;
    LazyWindow<Tstiform> m_stiform;
};
