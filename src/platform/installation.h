#pragma once

#include <QString>

// Where the program's installed, read-only data lies on the host: $RAVNSTI_DATA when set,
// else "data" next to the executable (the build tree), else "../share/ravnsti" beside it
// (an installed program). Never relative to the working folder.
namespace Installation {

// Host folder holding "Program" and "Styles"; empty when none is found.
QString dataFolder();

// Host file of the sound module: $RAVNSTI_LYD when set, else "ravnsti-lyd.so" next to the
// executable (the build tree), else "../lib/ravnsti/ravnsti-lyd.so" beside it (an
// installed program), which is also the answer when neither exists.
QString soundModule();

// Host folder of the data root: $RAVNSTI_ROOT, else $XDG_DATA_HOME/Ravnsti
// (~/.local/share/Ravnsti). Not created here.
QString dataRoot();

// Makes "<data root>/Program" a link to the running program's installed program folder: made
// when it is missing, and mended when it points at another install's folder or at nothing (a
// real folder in its place is left alone). False when there is no program folder to reach.
bool linkProgramFolder(const QString& hostRoot);

} // namespace Installation
