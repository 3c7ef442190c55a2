#include "datafolders.h"

#include "platform/logicalpath.h"

#include <QStringList>

DataFolders DataFolders::of(const QString& root, const QString& brugernavn) {
    DataFolders d;
    d.programDir = root;
    const QString program = root + QStringLiteral("\\Program");
    d.ikonDir = program + QStringLiteral("\\Ikoner\\");
    d.scriptdir = program + QStringLiteral("\\Scripts\\");
    d.appdir = program + QStringLiteral("\\Window applets\\");
    d.lydfilDir = program + QStringLiteral("\\Alarmlydfiler\\");
    d.strukturDir = program + QStringLiteral("\\Struktur");
    d.htmllistedir = program + QStringLiteral("\\Dir\\Html\\");
    d.attributedir = program + QStringLiteral("\\Dir\\Attributes\\");

    const QString user = LogicalPath::join(root, brugernavn);
    d.optDir = user + QStringLiteral("\\Egenskaber\\");
    d.lastStruktur = d.optDir + QStringLiteral("lastStruktur.txt");
    d.musikListeDir = user + QStringLiteral("\\Musik\\");
    d.mappestrukturDir = user + QStringLiteral("\\Mappestrukturer\\");
    d.brugerKalenderMappe = user + QStringLiteral("\\Kalender");
    d.brugerNotatMappe = user + QStringLiteral("\\Notater");
    d.alarmDir = user + QStringLiteral("\\Alarmer\\");
    d.alarmTekster = user + QStringLiteral("\\Alarmtekster\\");
    d.optFilnavn = d.optDir + QStringLiteral("mainform.txt");
    d.typelisteNavn = d.optDir + QStringLiteral("typeliste.txt");
    return d;
}

QStringList DataFolders::brugerMapper() const {
    QStringList folders;
    for (const QString& folder : {optDir, musikListeDir, mappestrukturDir, brugerKalenderMappe,
                                  brugerNotatMappe, alarmDir, alarmTekster})
        folders << LogicalPath::normalized(folder);
    return folders;
}
