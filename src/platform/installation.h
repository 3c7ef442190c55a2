#pragma once

#include <QString>

// Where the program's installed, read-only data lies on the host: $RAVNSTI_DATA when set,
// else "data" next to the executable (the build tree), else "../share/ravnsti" beside it
// (an installed program). Never relative to the working folder.
namespace Installation {

// Host folder holding "Program" and "Styles"; empty when none is found.
QString dataFolder();

} // namespace Installation
