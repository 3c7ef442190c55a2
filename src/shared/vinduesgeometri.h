#pragma once

#include <QString>

class QWidget;

// The size, and for some windows the place, a window keeps in a file of the settings folder:
// width and height, then left and top edge, one decimal number a line.
class VinduesGeometri {
public:
    // Gives the window what the file holds; true when it was given its place. A missing
    // file, one that cannot be read or holds no positive size, or a place on no screen
    // leaves the window as it was designed.
    static bool hent(QWidget& window, const QString& filnavn, bool medPlads);
    // Gives the window its size and place from the file; when the file gives it no place on a
    // screen, it stands centred over `midt`.
    static void placer(QWidget& window, const QString& filnavn, const QWidget& midt);
    // False when the file could not be written; the old one is then left as it was.
    static bool gem(const QWidget& window, const QString& filnavn, bool medPlads);
};
