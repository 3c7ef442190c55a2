#pragma once

#include "harness/testenvironment.h"
#include "platform/textfile.h"
#include "shared/datafolders.h"

#include <QTest>

// Alarm files as the calendar window writes them, for the tests of the alarm list.
namespace AlarmFiler {

inline void mapper(TestEnvironment& env, const DataFolders& f) {
    for (const QString& folder : f.brugerMapper())
        env.makeFolder(folder);
}

// Writes the pair "<aar>-<mm>-<dd>-<hh>-<mi>.txt" and returns its name.
inline QString skriv(const DataFolders& f, const QString& aar, int maaned, int dag, int time,
                     int minut, int type, const QString& overskrift = QStringLiteral("Møde"),
                     int gentagelse = 2, int lyd = 3) {
    auto to = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    const QString navn = aar + QLatin1Char('-') + to(maaned) + QLatin1Char('-') + to(dag) +
                         QLatin1Char('-') + to(time) + QLatin1Char('-') + to(minut) +
                         QStringLiteral(".txt");
    const bool tekst =
        TextFile::write(f.alarmTekster + navn, {overskrift + QStringLiteral(" i dag")}).ok();
    const bool def =
        TextFile::write(f.alarmDir + navn,
                        {aar, to(maaned), to(dag), to(time), to(minut), QString::number(type),
                         QString::number(lyd), QString::number(gentagelse), overskrift,
                         f.alarmTekster + navn, f.alarmDir + navn})
            .ok();
    if (!tekst || !def)
        QTest::qFail("the alarm files could not be written", __FILE__, __LINE__);
    return navn;
}

} // namespace AlarmFiler
