#pragma once

class Tmainform;
class Tmusikform;
class Tmusikformen;

// The page and music commands of the main window: the film, music and picture pages of
// the selected files, the commands that fill and empty the music queue, and the two music
// windows, which are made here once and live as long as the main window.
class MusikCommands {
public:
    explicit MusikCommands(Tmainform& window);

    Tmusikformen* musikformen() const { return m_musikformen; }
    Tmusikform* musikform() const { return m_musikform; }

private:
    void pages();
    void queue();
    void lists();
    // Adds the selected music files to the queue, playing the first with `straks`.
    void tilfoej(bool straks);

    Tmainform& w;
    Tmusikformen* m_musikformen;
    Tmusikform* m_musikform;
};
