#pragma once

#include <QIcon>
#include <QList>

// The icon lists the trees share. Positions are fixed (IkonPlads): the engine stores a slot
// number in each node and other windows look the icon up by that number. Empty slots hold a null
// icon; the unused slot 4 of the folder tree repeats the folder and the unused slot 19 of
// the file pane the plain file, so a stray number still shows something sensible. Both
// lists are built on first use and then kept.
class ImageLists {
public:
    // Folder tree: 1 drive C:, 2 other drives, 3 folder, 5 Billeder, 6 Dokumenter, 7 Musik,
    // 8 Videoer, 9 Skrivebord, 10 Favoritter, 11 user node, 12 CD-ROM.
    static QList<QIcon> dirliste();
    // File pane: 1 folder, 2 other file, 3 picture, 4 .mp3, 5 .mp4, 6 text, 7 .exe, 8 .m4v,
    // 9 .avi, 10 .m4a, 11 .lnk, 12 .mpg, 13 .wav, 14 .iss, 15 search hit or highlighted
    // file, 16 search hit folder, 17 search root, 18 .pas, 20 .rtf, 21 .vbs/.wsf, 22 .js,
    // 23 web page, 24 .css, 25 .bat, 26 .ps1.
    static QList<QIcon> filliste();

    // The information viewer's trees, one list per kind of topic; a data line's first digit
    // picks the image. The slots mean the same in all three where they can: 0 chapter (closed
    // book), 1 open chapter (open book), 4 folder, 6 picture, 9 bullet.
    // Program help: 2 page, 3 page of text, 5 window, 7 question, 8 keys.
    static QList<QIcon> strukturImage();
    // HTML, CSS and JavaScript reference and the examples: 2 tag, 3 attribute, 5 style sheet,
    // 7 example, 8 event.
    static QList<QIcon> htmlListe();
    // Script reference: 2 object, 3 method, 5 property, 6 function, 7 example, 8 statement.
    static QList<QIcon> scriptListe();
};
