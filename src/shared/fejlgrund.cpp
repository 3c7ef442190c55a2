#include "fejlgrund.h"

namespace {

// The reasons every kind of change shares; nullopt-like empty for the rest.
QString faelles(FileError fejl) {
    switch (fejl) {
    case FileError::NoSpace:
        return QStringLiteral("Der er ikke plads nok på drevet.");
    case FileError::Unmappable:
        return QStringLiteral("Stien kan ikke nås fra programmet.");
    default:
        return {};
    }
}

} // namespace

QString Fejlgrund::laesning(FileError fejl) {
    switch (fejl) {
    case FileError::NotFound:
    case FileError::PathNotFound:
        return QStringLiteral("Filen findes ikke.");
    case FileError::AccessDenied:
        return QStringLiteral("Du har ikke adgang til at læse filen.");
    case FileError::NotSupported:
        return QStringLiteral("Det er ikke en almindelig fil.");
    default:
        return QStringLiteral("Filen bruges muligvist af et andet program.\nLuk filen uden at "
                              "gemme\nog prøv igen senere.");
    }
}

QString Fejlgrund::skrivning(FileError fejl) {
    if (QString grund = faelles(fejl); !grund.isEmpty())
        return grund;
    switch (fejl) {
    case FileError::AccessDenied:
        return QStringLiteral("Du har ikke adgang til at skrive filen.");
    case FileError::NotFound:
    case FileError::PathNotFound:
        return QStringLiteral("Mappen findes ikke.");
    case FileError::NotSupported:
        return QStringLiteral("Der ligger noget andet end en fil under det navn.");
    case FileError::InvalidData:
        return QStringLiteral("Teksten indeholder noget, filen ikke kan rumme.");
    default:
        return QStringLiteral("Der opstod en fejl, mens filen blev skrevet.");
    }
}

QString Fejlgrund::sletning(FileError fejl) {
    switch (fejl) {
    case FileError::NotFound:
    case FileError::PathNotFound:
        return QStringLiteral("Filen findes ikke længere.");
    case FileError::AccessDenied:
        return QStringLiteral("Du har ikke adgang til at slette filen.");
    default:
        return QStringLiteral("Der opstod en fejl, mens filen blev slettet.");
    }
}

QString Fejlgrund::oprettelse(FileError fejl) {
    if (QString grund = faelles(fejl); !grund.isEmpty())
        return grund;
    switch (fejl) {
    case FileError::AccessDenied:
        return QStringLiteral("Du har ikke adgang til at oprette mappen.");
    case FileError::AlreadyExists:
        return QStringLiteral("Der ligger en fil under det navn.");
    case FileError::NotFound:
    case FileError::PathNotFound:
        return QStringLiteral("Mappen over den findes ikke.");
    default:
        return QStringLiteral("Der opstod en fejl, mens mappen blev oprettet.");
    }
}

QString Fejlgrund::ikkeGemt(const QString& hvad, const QString& filnavn, FileError fejl) {
    return hvad + QLatin1Char('\n') + filnavn + QLatin1Char('\n') + skrivning(fejl);
}
