// Reads arbitrary bytes as the calendar's files: "kalender.txt" (the window's top and left
// edge) up to the first NUL byte, the note of a day after it. The window stands on the screen
// wherever a file of two numbers puts it, and saves a place that puts it there again; a day's
// note is shown line for line and is not taken for an edit.
#include "fuzzsupport.h"

#include "calendar/aktivealarmer.h"
#include "calendar/alarmform.h"
#include "calendar/kalender.h"
#include "calendar/kalenderform.h"
#include "harness/testhost.h"
#include "platform/textfile.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>

using FuzzSupport::require;

namespace {

TestHost* host = nullptr;
AktiveAlarmer* aktive = nullptr;
const QDate kDag(2024, 2, 29);

QString pladsfil() {
    return host->folders.optDir + QStringLiteral("kalender.txt");
}

// The place a file of two numbers gives: left and top, in that order on the screen.
std::optional<QPoint> pladsAf(const QStringList& linjer) {
    if (linjer.size() < 2)
        return std::nullopt;
    bool top = false, venstre = false;
    const int y = linjer.at(0).trimmed().toInt(&top);
    const int x = linjer.at(1).trimmed().toInt(&venstre);
    return top && venstre ? std::optional<QPoint>(QPoint(x, y)) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_kalender", true, true);
    host = new TestHost;
    FuzzSupport::makeFolders(host->folders.brugerMapper());
    static Talarmform* alarmform = new Talarmform(*host);
    aktive = new AktiveAlarmer(*host, []() -> Talarmform& { return *alarmform; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> filer = FuzzSupport::parts(data, size, 2);
    FuzzSupport::write(pladsfil(), filer[0]);
    QPoint plads;
    {
        Tkalenderform vindue(*host, *aktive);
        if (const std::optional<QPoint> fra = pladsAf(TextFile::decode(filer[0])))
            require(QGuiApplication::primaryScreen()->availableGeometry().contains(vindue.pos()) ||
                        vindue.pos() == *fra,
                    "the window stands on the screen");

        const QString notat = vindue.notatfil(kDag);
        FuzzSupport::write(notat, filer[1]);
        vindue.kalender()->setDato(kDag.addDays(1));
        vindue.kalender()->setDato(kDag);
        QStringList linjer;
        require(bool(TextFile::read(notat, linjer)), "a note of the fuzz drive reads");
        const QPlainTextEdit* memo = vindue.findChild<QPlainTextEdit*>(QStringLiteral("notatMemo"));
        require(memo && memo->toPlainText() == linjer.join(QLatin1Char('\n')),
                "the note is shown line for line");
        require(!memo->document()->isModified() && vindue.memoFilename() == notat,
                "a note shown is no edit");
        plads = vindue.pos();
        vindue.close();
    }
    Tkalenderform igen(*host, *aktive);
    require(igen.pos() == plads, "the place saved puts the window there again");
    return 0;
}
