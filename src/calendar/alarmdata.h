#pragma once

#include "platform/fileresult.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

struct DataFolders;

// One loaded alarm: the eleven lines of its definition file and the name of its pair of
// files. The name ("2015-12-24-18-00.txt") is the alarm's identity: its definition lies in
// `Alarmer` and its text in `Alarmtekster` under that name.
struct TAlarmRecord {
    enum Type : quint8 { Daglig = 0, Dato = 1, Gentaget = 2 };

    quint16 aar = 0;
    quint16 maaned = 0;
    quint16 dag = 0;
    quint16 time = 0;
    quint16 minut = 0;
    quint8 alarmtype = Daglig;
    quint8 gentagelse = 1;
    qint32 alarmfil = 0;
    QString overskrift;   // at most 36 characters
    QString tekstfilnavn; // line 10, kept for the file format only
    QString filnavn;      // line 11, likewise
    QString aarS, maanedS, dagS, timeS, minutS;
    QString navn; // the file name of both files

    QTime klokken() const { return QTime(time, minut); }
    // Whether the alarm sounds on `date`: "Daglig" every day, "Dato" on its own date only,
    // "Gentaget" on its month and day of every year (29 February in leap years only).
    bool gaelder(QDate date) const;
    // The texts of the list columns "Dato" and "Klokken".
    QString datoTekst() const;
    QString klokkenTekst() const;
};

namespace Alarmer {

constexpr int MaxOverskrift = 36;
constexpr int MaxGentagelse = 16;
// The year that marks a "Gentaget" alarm.
inline const QString GentagetAar = QStringLiteral("3016");

// The thirteen sound names, numbered from 0.
const QStringList& lydnavne();
// The sound file of sound `index` in the sound folder (sound 0 for an unknown number).
QString lydfil(const DataFolders& folders, int index);

// "year-month-day-hour-minute.txt", the month, day, hour and minute padded to two digits.
QString navn(const QString& aarS, int maaned, int dag, int time, int minut);
// The eleven lines of a definition file.
QStringList linjer(const TAlarmRecord& r, const DataFolders& folders);

// The alarm of the definition file `navn` in the `Alarmer` folder; nullopt when the file
// is not a valid definition: a name that is not five "-"-separated numbers, fewer than
// eleven lines, lines 1-8 that are not numbers, or values outside their ranges (a type
// other than 0-2, an hour above 23, a minute above 59, a sound outside 0-12, repetitions
// outside 1-16, a "Dato" alarm on a date that does not exist).
std::optional<TAlarmRecord> laes(const DataFolders& folders, const QString& navn);
// Every valid definition of the `Alarmer` folder, ordered by file name; other files and
// folders are passed over.
QList<TAlarmRecord> laesAlle(const DataFolders& folders);
// The paths of the alarm's two files, from its name and the data folders only.
QString definitionsfil(const DataFolders& folders, const QString& navn);
QString tekstfil(const DataFolders& folders, const QString& navn);
// Removes both files of the alarm `navn` that exist; the first failure is returned.
FileResult slet(const DataFolders& folders, const QString& navn);

} // namespace Alarmer
