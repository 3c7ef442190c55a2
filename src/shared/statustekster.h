#pragma once

#include <QString>

// The wording of counted results of file operations and of failed program starts.
class StatusTekster {
public:
    // Operation codes of the counted result sentence.
    enum Handling { Kopieret = 0, Klippet = 1, Indsat = 2, Flyttet = 3, Slettet = 4, Omdoebt = 5 };

    // "Der blev kopieret 3 elementer." and the like; an unknown code gives the count part
    // alone. A negative count is the engine's failure result (it has shown its own message).
    static QString HandlingsTekst(int hNumber, int aAntal);
    // The message for a start result of 32 or less (see ShellResult).
    static QString ErrorTekst(int Nr);
};
