#pragma once

#include "platform/fileresult.h"

#include <QString>

// Why a file could not be read, written, removed or made, in the user's words: the line a
// message puts under what failed. The host's own explanation (English, with host paths)
// never reaches the user.
class Fejlgrund {
public:
    static QString laesning(FileError fejl);
    static QString skrivning(FileError fejl);
    static QString sletning(FileError fejl);
    static QString oprettelse(FileError fejl);

    // "<hvad>\n<logical path>\n<reason>": the message of a failed write.
    static QString ikkeGemt(const QString& hvad, const QString& filnavn, FileError fejl);
};
