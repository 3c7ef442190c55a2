#pragma once

#include <QString>
#include <QStringList>

// The lines of the pages that play the selected films or music or show the selected
// pictures, and of the nearly empty documents a new file starts with.
class MedieSide {
public:
    // What `SkrivTekstfil` writes: a new document, or one of the three list pages.
    enum Slags : int { NytDokument = 0, Filmliste = 1, Musikliste = 2, Billedliste = 3 };

    // One file of a list page: the text its row shows and its address, relative to the
    // page's folder or absolute ("file://..."), already percent-encoded.
    struct Indslag {
        QString titel;
        QString adresse;
    };

    // The page of a list kind; `mappeUrl` is the folder's own address, ending in "/".
    static QStringList side(Slags slags, const QString& mappeUrl, const QList<Indslag>& indslag);
    // The lines of a new document by the exact (case-sensitive) extension of its name;
    // none for an empty file.
    static QStringList skabelon(const QString& filnavn);

    // Text for an HTML element or a quoted attribute.
    static QString html(const QString& text);
    // Text for a string in double or single quotes inside a script element.
    static QString javascript(const QString& text);
};
