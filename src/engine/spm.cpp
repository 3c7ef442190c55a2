#include "spm.h"

#include "platform/logicalpath.h"

QStringList TSpm::visteNavne(const QStringList& paths) {
    QStringList names;
    names.reserve(paths.size());
    for (const QString& path : paths)
        names.append(path.size() <= 3 ? path : LogicalPath::lastComponent(path));
    return names;
}

bool TSpm::bekraeft(const QString& caption, const QString& question, int picture,
                    const QStringList& mapper, const QStringList& filer, const QString& kilde,
                    const QString& destination) {
    Bekraeftelse spm;
    spm.caption = caption;
    spm.question = question;
    spm.picture = picture;
    spm.source = kilde;
    spm.destination = destination;
    spm.files = visteNavne(filer);
    spm.folders = visteNavne(mapper);
    return vinduer().bekraeft(spm);
}

bool TSpm::spmKopier(bool flyt, const QStringList& mapper, const QStringList& filer,
                     const QString& kilde, const QString& destination) {
    if (flyt)
        return bekraeft(QStringLiteral("Flytning af elementer"),
                        QStringLiteral("Skal valgte elementer flyttes?"), Bekraeftelse::Flyt,
                        mapper, filer, kilde, destination);
    return bekraeft(QStringLiteral("Kopiering af elementer"),
                    QStringLiteral("Skal valgte elementer kopieres?"), Bekraeftelse::Kopier, mapper,
                    filer, kilde, destination);
}

bool TSpm::spmSlet(const QStringList& mapper, const QStringList& filer, const QString& kilde,
                   bool tilPapirkurv) {
    return bekraeft(QStringLiteral("Sletning af elementer"),
                    QStringLiteral("Skal valgte elementer Slettes?"), Bekraeftelse::Slet, mapper,
                    filer, kilde,
                    tilPapirkurv ? QStringLiteral("Papirkurv")
                                 : QStringLiteral("Ingen: Elementerne slettes permanent."));
}

bool TSpm::spmOverskrivFil(const QString& navn) {
    return vinduer().spoerg({QStringLiteral("Skal filen"), navn, QStringLiteral("overskrives?")});
}

bool TSpm::spmMappeEksisterer() {
    return vinduer().spoerg({QString(), QStringLiteral("Mappen eksisterer."),
                             QStringLiteral("Skal alle elementer overskrives?")});
}

bool TSpm::spmOpretKopi() {
    return vinduer().spoerg({QStringLiteral("Kildemappe er undermappe til destignationsmappen."),
                             QStringLiteral("Skal der oprettes en kopi?")});
}
