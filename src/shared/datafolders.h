#pragma once

#include <QString>

// Every folder and file of the data root the program uses, as logical paths. Folders that
// end in a backslash keep it, because callers append file names to them directly.
struct DataFolders {
    // The paths of the data root `root` for the user `brugernavn`.
    static DataFolders of(const QString& root, const QString& brugernavn);
    // The user's own folders, which start-up creates when they are missing.
    QStringList brugerMapper() const;

    QString programDir;          // the data root
    QString ikonDir;             // Program\Ikoner\: file type icons
    QString scriptdir;           // Program\Scripts\: the program's scripts
    QString appdir;              // Program\Window applets\: the applet scripts
    QString lydfilDir;           // Program\Alarmlydfiler\: alarm sounds
    QString strukturDir;         // Program\Struktur: help and reference topics
    QString htmllistedir;        // Program\Dir\Html\: the checker's tag lists
    QString attributedir;        // Program\Dir\Attributes\: one attribute file per tag
    QString optDir;              // <user>\Egenskaber\: the settings folder
    QString musikListeDir;       // <user>\Musik\: music lists
    QString mappestrukturDir;    // <user>\Mappestrukturer\: named folder structures
    QString brugerKalenderMappe; // <user>\Kalender: date folders
    QString brugerNotatMappe;    // <user>\Notater: day notes
    QString alarmDir;            // <user>\Alarmer\: alarm definitions
    QString alarmTekster;        // <user>\Alarmtekster\: alarm texts
    QString lastStruktur;        // the folders of the last special structure
    QString optFilnavn;          // "mainform.txt"
    QString typelisteNavn;       // "typeliste.txt"
};
