#pragma once

#include <QString>

class QWidget;

// Where a window that remembers its place stood: a file of the settings folder with two
// lines, the left edge and then the top edge.
class Vinduesplads {
public:
    // Moves the window to the place the file holds. A missing file leaves it where it is; one
    // that cannot be read or holds no two numbers puts it at 20, 20.
    static void hent(QWidget& window, const QString& filnavn);
    // False when the file could not be written; the old one is then left as it was.
    static bool gem(const QWidget& window, const QString& filnavn);
};
