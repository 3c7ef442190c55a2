// Reads arbitrary bytes as an alarm's pair of files: the definition up to the first NUL byte,
// the text after it; the first byte chooses the alarm's file name among a few. A definition
// that reads is one the folder's listing finds, it says when it sounds, and it saves into a
// file that reads back to the same lines. The alarm window shows the text's lines.
#include "fuzzsupport.h"

#include "calendar/alarmdata.h"
#include "calendar/alarmform.h"
#include "harness/testhost.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QDir>
#include <QPlainTextEdit>

using FuzzSupport::require;

namespace {

TestHost* host = nullptr;
Talarmform* vindue = nullptr;

// Names of alarms of every kind, and one that is no alarm's.
const char* const kNavne[] = {"2024-02-29-07-05.txt", "3016-12-24-18-00.txt",
                              "2025-13-40-25-61.txt", "noter.txt"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_alarm", true, true);
    host = new TestHost;
    FuzzSupport::makeFolders(host->folders.brugerMapper());
    vindue = new Talarmform(*host);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const DataFolders& mapper = host->folders;
    for (const QString& fil : QDir(*Platform::hostPath(mapper.alarmDir)).entryList(QDir::Files))
        QFile::remove(*Platform::hostPath(mapper.alarmDir + fil));
    const QString navn = QLatin1String(kNavne[data[0] % std::size(kNavne)]);
    const QList<QByteArray> filer = FuzzSupport::parts(data + 1, size - 1, 2);
    FuzzSupport::write(Alarmer::definitionsfil(mapper, navn), filer[0]);
    FuzzSupport::write(Alarmer::tekstfil(mapper, navn), filer[1]);

    const std::optional<TAlarmRecord> alarm = Alarmer::laes(mapper, navn);
    const QList<TAlarmRecord> alle = Alarmer::laesAlle(mapper);
    require(alle.size() == (alarm ? 1 : 0) && (!alarm || alle.first().navn == navn),
            "the listing finds the alarm that reads");
    if (alarm) {
        require(alarm->klokken().isValid(), "an alarm sounds at a time of day");
        require(alarm->overskrift.size() <= Alarmer::MaxOverskrift, "a heading of bounded length");
        const QDate egen = alarm->alarmtype == TAlarmRecord::Dato
                               ? QDate(alarm->aar, alarm->maaned, alarm->dag)
                               : QDate(2024, alarm->maaned, alarm->dag);
        require(alarm->alarmtype == TAlarmRecord::Daglig ? alarm->gaelder(QDate(2025, 3, 1))
                                                         : alarm->gaelder(egen),
                "an alarm sounds on its own day");
        require(!alarm->datoTekst().isEmpty() && !alarm->klokkenTekst().isEmpty(),
                "the list shows its date and time");
        const QStringList linjer = Alarmer::linjer(*alarm, mapper);
        require(bool(TextFile::write(Alarmer::definitionsfil(mapper, navn), linjer)),
                "the definition is saved");
        const std::optional<TAlarmRecord> igen = Alarmer::laes(mapper, navn);
        require(igen && Alarmer::linjer(*igen, mapper) == linjer,
                "a saved definition reads back the same");
    }

    QStringList tekst;
    const bool laest = bool(TextFile::read(Alarmer::tekstfil(mapper, navn), tekst));
    require(vindue->showAlarm(QStringLiteral("Alarm"), Alarmer::tekstfil(mapper, navn)) == laest,
            "the window shows a text that reads");
    // The editor gives a no-break space back as a plain one.
    require(!laest || vindue->findChild<QPlainTextEdit*>()->toPlainText() ==
                          tekst.join(QLatin1Char('\n')).replace(QChar::Nbsp, QLatin1Char(' ')),
            "the window shows the text's lines");
    vindue->close();
    return 0;
}
