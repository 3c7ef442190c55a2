#pragma once

#include "shared/lazywindow.h"

class Tmainform;
class Tmusikform;
class Tmusikformen;

// The page and music commands of the main window: the film, music and picture pages of
// the selected files, the commands that fill and empty the music queue, and the two music
// windows, which are made here when first needed and live as long as the main window. The
// player is made before anything can start the queue: with the list window, and before a
// command adds to the queue.
class MusikCommands {
public:
    explicit MusikCommands(Tmainform& window);

private:
    void pages();
    void queue();
    void lists();
    // Adds the selected music files to the queue, playing the first with `straks`.
    void tilfoej(bool straks);

    Tmainform& w;
    LazyWindow<Tmusikformen> m_musikformen;
    LazyWindow<Tmusikform> m_musikform;
};
