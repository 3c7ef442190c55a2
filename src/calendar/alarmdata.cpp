#include "alarmdata.h"
#include "felter.h"

#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/datafolders.h"

#include <algorithm>

namespace {

QString to(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

bool TAlarmRecord::gaelder(QDate date) const {
    switch (alarmtype) {
    case Daglig:
        return true;
    case Dato:
        return date == QDate(aar, maaned, dag);
    default:
        return date.month() == maaned && date.day() == dag;
    }
}

QString TAlarmRecord::datoTekst() const {
    switch (alarmtype) {
    case Daglig:
        return QStringLiteral("Daglig");
    case Dato:
        return dagS + QLatin1Char('-') + maanedS + QLatin1Char('-') + aarS;
    default:
        return QStringLiteral("Dag: ") + dagS + QLatin1Char('-') + maanedS;
    }
}

QString TAlarmRecord::klokkenTekst() const {
    return timeS + QLatin1Char(':') + minutS;
}

namespace Alarmer {

const QStringList& lydnavne() {
    static const QStringList names = {QStringLiteral("Beeth9"),
                                      QStringLiteral("DingDong"),
                                      QStringLiteral("Klokkespil"),
                                      QStringLiteral("Melodi"),
                                      QStringLiteral("Ohhnoo"),
                                      QStringLiteral("Promenade"),
                                      QStringLiteral("Ringeklokke"),
                                      QStringLiteral("Stortromme"),
                                      QStringLiteral("Strengefanfare"),
                                      QStringLiteral("Telefonlyd"),
                                      QStringLiteral("Tromme"),
                                      QStringLiteral("Trumpet"),
                                      QStringLiteral("Zylo")};
    return names;
}

QString lydfil(const DataFolders& folders, int index) {
    if (index < 0 || index >= lydnavne().size())
        index = 0;
    return folders.lydfilDir + lydnavne().at(index) + QStringLiteral(".wav");
}

QString navn(const QString& aarS, int maaned, int dag, int time, int minut) {
    return aarS + QLatin1Char('-') + to(maaned) + QLatin1Char('-') + to(dag) + QLatin1Char('-') +
           to(time) + QLatin1Char('-') + to(minut) + QStringLiteral(".txt");
}

QString definitionsfil(const DataFolders& folders, const QString& navn) {
    return folders.alarmDir + navn;
}

QString tekstfil(const DataFolders& folders, const QString& navn) {
    return folders.alarmTekster + navn;
}

QStringList linjer(const TAlarmRecord& r, const DataFolders& folders) {
    return {r.aarS,
            to(r.maaned),
            to(r.dag),
            to(r.time),
            to(r.minut),
            QString::number(r.alarmtype),
            QString::number(r.alarmfil),
            QString::number(r.gentagelse),
            r.overskrift,
            tekstfil(folders, r.navn),
            definitionsfil(folders, r.navn)};
}

std::optional<TAlarmRecord> laes(const DataFolders& folders, const QString& navn) {
    if (!navn.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return std::nullopt;
    const QStringList dele = navn.chopped(4).split(QLatin1Char('-'));
    if (dele.size() != 5 || std::any_of(dele.cbegin(), dele.cend(),
                                        [](const QString& del) { return !Felter::tal(del); }))
        return std::nullopt;
    QStringList lines;
    if (!TextFile::read(definitionsfil(folders, navn), lines) || lines.size() < 11)
        return std::nullopt;
    int v[8];
    for (int i = 0; i < 8; ++i) {
        const auto n = Felter::tal(lines.at(i));
        if (!n)
            return std::nullopt;
        v[i] = *n;
    }
    TAlarmRecord r;
    if (v[5] > TAlarmRecord::Gentaget || v[3] > 23 || v[4] > 59 || v[6] >= lydnavne().size() ||
        v[7] < 1 || v[7] > MaxGentagelse)
        return std::nullopt;
    if (v[5] == TAlarmRecord::Dato && !QDate(v[0], v[1], v[2]).isValid())
        return std::nullopt;
    // 3016 is a leap year, so 29 February passes as a yearly day.
    if (v[5] == TAlarmRecord::Gentaget && !QDate(3016, v[1], v[2]).isValid())
        return std::nullopt;
    r.aar = quint16(qMin(v[0], 65535));
    r.maaned = quint16(v[1]);
    r.dag = quint16(v[2]);
    r.time = quint16(v[3]);
    r.minut = quint16(v[4]);
    r.alarmtype = quint8(v[5]);
    r.alarmfil = v[6];
    r.gentagelse = quint8(v[7]);
    r.overskrift = lines.at(8).left(MaxOverskrift);
    r.tekstfilnavn = lines.at(9);
    r.filnavn = lines.at(10);
    r.aarS = lines.at(0).trimmed().left(4);
    r.maanedS = lines.at(1).trimmed().left(4);
    r.dagS = lines.at(2).trimmed().left(4);
    r.timeS = lines.at(3).trimmed().left(4);
    r.minutS = lines.at(4).trimmed().left(4);
    r.navn = navn;
    return r;
}

QList<TAlarmRecord> laesAlle(const DataFolders& folders) {
    QList<FileInfo> entries;
    QList<TAlarmRecord> alarms;
    if (!Platform::files().list(folders.alarmDir, entries, ListDetail::Names, ListOrder::ByName))
        return alarms;
    QStringList names;
    for (const FileInfo& entry : std::as_const(entries))
        if (entry.isFile() && entry.mappable)
            names << entry.name;
    std::sort(names.begin(), names.end());
    for (const QString& name : std::as_const(names))
        if (auto alarm = laes(folders, name))
            alarms << *alarm;
    return alarms;
}

FileResult slet(const DataFolders& folders, const QString& navn) {
    FileResult first;
    for (const QString& path : {tekstfil(folders, navn), definitionsfil(folders, navn)}) {
        if (!Platform::files().exists(path))
            continue;
        FileResult removed = Platform::files().removeFile(path);
        if (!removed && first)
            first = removed;
    }
    return first;
}

} // namespace Alarmer
