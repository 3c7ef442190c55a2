#pragma once

#include "shared/lazywindow.h"

class Tmainform;
class Tmappestrukturform;
class Topenmappeform;

// The folder-structure window and its commands in the main window: "Mappestrukturer..."
// shows the window, "Rediger valgte" and "Vis struktur" act on the structure chosen in it.
// The window fills its lists when it is first made.
class MappestrukturCommands {
public:
    explicit MappestrukturCommands(Tmainform& window);

    Tmappestrukturform* mappestrukturform() { return m_form.get(); }
    // "Vælg mappe", through which the window adds folders.
    Topenmappeform* openmappeform() { return m_openmappeform.get(); }

private:
    Tmainform& w;
    LazyWindow<Topenmappeform> m_openmappeform;
    LazyWindow<Tmappestrukturform> m_form;
};
