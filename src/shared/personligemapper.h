#pragma once

#include <QString>
#include <array>

// The user's own paths for eight personal folders, in the order of "mappeStier.txt": the six
// of PersonligMappe, then OneDrive and contacts. An empty path means none of the user's own.
class PersonligeMapper {
public:
    enum { OneDrive = 6, Kontakter = 7, Antal = 8 };

    // The system's folders: the first six from its special folders, OneDrive and contacts
    // when the home folder holds them ("OneDrive", "Contacts"), else empty.
    static std::array<QString, Antal> standard();
    // The file's lines in order; a missing, unreadable or short file gives the defaults
    // for the lines it lacks, without a message.
    void hent(const QString& filnavn);
    // False when the file could not be written; the old one is then left as it was.
    bool gem(const QString& filnavn) const;

    std::array<QString, Antal> stier;
};
