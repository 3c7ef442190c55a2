#include "statustekster.h"

QString StatusTekster::HandlingsTekst(int hNumber, int aAntal) {
    if (aAntal < 0)
        return QStringLiteral("Handlingen mislykkedes.");
    const QString antal = aAntal == 1 ? QStringLiteral("1 element.")
                                      : QString::number(aAntal) + QStringLiteral(" elementer.");
    switch (hNumber) {
    case Kopieret:
        return QStringLiteral("Der blev kopieret ") + antal;
    case Klippet:
        return QStringLiteral("Der blev klippet ") + antal;
    case Indsat:
        return QStringLiteral("Der blev indsat ") + antal;
    case Flyttet:
        return QStringLiteral("Der blev flyttet ") + antal;
    case Slettet:
        return QStringLiteral("Der blev slettet ") + antal;
    case Omdoebt:
        return QStringLiteral("Der blev omdøbt ") + antal;
    default:
        return antal;
    }
}

QString StatusTekster::ErrorTekst(int Nr) {
    switch (Nr) {
    case 0:
        return QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
    case 2:
        return QStringLiteral("Den specificerede fil blev ikke fundet.");
    case 3:
        return QStringLiteral("Stien blev ikke fundet.");
    case 5:
        return QStringLiteral("Operationssystemet forbød adgang til filen.");
    case 8:
        return QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.");
    case 11:
        return QStringLiteral(
            "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
    case 26:
        return QStringLiteral("Der opstod en \"sharing violation\".");
    case 27:
        return QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid");
    case 28:
        return QStringLiteral(
            "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
    case 29:
        return QStringLiteral("\"DDE transaction\" mislykkedes.");
    case 30:
        return QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke "
                              "fuldføres\nfordi andre \"DDE transactions\" skulle udføres.");
    case 31:
        return QStringLiteral("Der er ikke associeret noget program til det givne filefternavn.");
    case 32:
        return QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}
