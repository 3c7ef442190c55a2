#include "calendar/aktivealarmer.h"
#include "calendar/alarmfiler.h"
#include "calendar/alarmform.h"
#include "calendar/datoforskel.h"
#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/platform.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace AlarmFiler;

namespace {

const QString kIngenFil =
    QStringLiteral("Der er opstået en fejl.\nDer kan være en fil, der ikke blev fundet");

QDateTime at(int y, int m, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, mi, s));
}

// The alarm window, the active list and the host of one test.
struct Opstilling {
    TestEnvironment& env;
    TestHost host;
    Talarmform vindue{host};
    AktiveAlarmer aktive{host, [this]() -> Talarmform& { return vindue; }};

    explicit Opstilling(TestEnvironment& e) : env(e) { mapper(env, host.folders); }
    FakeMediaPlayer& player() { return *env.mediaPlayers().last(); }
    bool findes(const QString& navn) const {
        return Platform::files().exists(host.folders.alarmDir + navn) ||
               Platform::files().exists(host.folders.alarmTekster + navn);
    }
    void tick(const QDateTime& nu) {
        env.clock().set(nu);
        aktive.alarmTimerTimer();
    }
};

} // namespace

class TestAlarmer : public QObject {
    Q_OBJECT

private slots:
    void noFilesThenTheLastFires() {
        TestEnvironment env;
        Opstilling a(env);
        QSignalSpy captions(&a.aktive, &AktiveAlarmer::captionChanged);
        env.clock().set(at(2026, 5, 4, 9, 0));
        a.aktive.hentAlarmer();
        QCOMPARE(a.aktive.caption(), QStringLiteral("0 aktive alarmer"));
        QCOMPARE(captions.size(), 1);
        // The timer keeps watching the date even with nothing to sound.
        QVERIFY(a.aktive.alarmTimer().isActive());
        QCOMPARE(a.aktive.alarmTimer().interval(), 1000);

        skriv(a.host.folders, QStringLiteral("0000"), 0, 0, 9, 1, 0);
        a.aktive.hentAlarmer();
        QCOMPARE(a.aktive.caption(), QStringLiteral("1 aktiv alarm"));
        a.tick(at(2026, 5, 4, 9, 0, 59));
        QVERIFY(!a.vindue.isVisible());
        a.tick(at(2026, 5, 4, 9, 1, 0));
        QVERIFY(a.vindue.isVisible());
        QCOMPARE(a.vindue.windowTitle(), QStringLiteral("Møde"));
        QCOMPARE(child<QPlainTextEdit>(a.vindue, "alarmMemo")->toPlainText(),
                 QStringLiteral("Møde i dag"));
        QCOMPARE(a.aktive.caption(), QStringLiteral("Ingen alarmer"));
        QCOMPARE(captions.last().first().toString(), QStringLiteral("Ingen alarmer"));
        // The sound: the alarm's own file, its number of times, not waited for.
        QCOMPARE(a.player().path(),
                 QStringLiteral("C:\\Ravnsti\\Program\\Alarmlydfiler\\Melodi.wav"));
        QCOMPARE(a.player().loops(), 2);
        QCOMPARE(a.player().plays(), 1);
        QCOMPARE(a.player().state(), MediaPlayer::State::Playing);

        child<QPushButton>(a.vindue, "ButtonLuk")->click();
        QVERIFY(!a.vindue.isVisible());
        QCOMPARE(a.vindue.windowTitle(), QStringLiteral("Alarm"));
        a.aktive.stop();
        QVERIFY(!a.aktive.alarmTimer().isActive());
    }

    void sameMinuteEarlierTodayAndDatoAlarms() {
        TestEnvironment env;
        Opstilling a(env);
        const DataFolders& f = a.host.folders;
        const QString dato =
            skriv(f, QStringLiteral("2026"), 5, 4, 10, 30, 1, QStringLiteral("Tandlæge"));
        const QString daglig =
            skriv(f, QStringLiteral("0000"), 0, 0, 10, 30, 0, QStringLiteral("Pille"));
        const QString tidligere = skriv(f, QStringLiteral("0000"), 0, 0, 8, 0, 0);
        // A "Dato" alarm of a later year waits for its own year.
        const QString senere = skriv(f, QStringLiteral("2027"), 5, 4, 10, 45, 1);
        env.clock().set(at(2026, 5, 4, 10, 29, 30));
        a.aktive.hentAlarmer();
        QCOMPARE(a.aktive.caption(), QStringLiteral("2 aktive alarmer"));
        a.tick(at(2026, 5, 4, 10, 30, 1));
        // Both fire in the one tick; the second waits in the window behind the first.
        QCOMPARE(a.aktive.caption(), QStringLiteral("Ingen alarmer"));
        QCOMPARE(a.vindue.venter(), 1);
        auto* luk = child<QPushButton>(a.vindue, "ButtonLuk");
        QCOMPARE(luk->text(), QStringLiteral("Næste (1)"));
        const QString foerste = a.vindue.windowTitle();
        luk->click();
        QVERIFY(a.vindue.isVisible());
        QCOMPARE(foerste, QStringLiteral("Pille"));
        QCOMPARE(a.vindue.windowTitle(), QStringLiteral("Tandlæge"));
        luk->click();
        QVERIFY(!a.vindue.isVisible());
        // The fired "Dato" alarm is gone, the daily one and the others stay.
        QVERIFY(!a.findes(dato));
        QVERIFY(a.findes(daglig));
        QVERIFY(a.findes(tidligere));
        QVERIFY(a.findes(senere));
        a.tick(at(2026, 5, 4, 10, 50));
        QVERIFY(a.findes(senere));
        QVERIFY(!a.vindue.isVisible());
    }

    void gentagetEveryYearAndPastMidnight() {
        TestEnvironment env;
        Opstilling a(env);
        const QString jul = skriv(a.host.folders, QStringLiteral("3016"), 12, 24, 18, 0, 2);
        const QString tidlig = skriv(a.host.folders, QStringLiteral("0000"), 0, 0, 0, 5, 0);
        const QString skud = skriv(a.host.folders, QStringLiteral("3016"), 2, 29, 7, 0, 2);
        QSignalSpy nyDag(&a.aktive, &AktiveAlarmer::nyDag);
        env.clock().set(at(2026, 12, 24, 17, 0));
        a.aktive.hentAlarmer();
        QCOMPARE(a.aktive.caption(), QStringLiteral("1 aktiv alarm"));
        a.tick(at(2026, 12, 24, 18, 0, 0));
        QCOMPARE(a.vindue.windowTitle(), QStringLiteral("Møde"));
        QVERIFY(a.findes(jul));
        child<QPushButton>(a.vindue, "ButtonLuk")->click();

        // The program runs on past midnight: the new day's list is built at the first tick.
        a.tick(at(2026, 12, 24, 23, 59, 59));
        QCOMPARE(nyDag.size(), 0);
        a.tick(at(2026, 12, 25, 0, 0, 1));
        QCOMPARE(nyDag.size(), 1);
        QCOMPARE(a.aktive.dato(), QDate(2026, 12, 25));
        QCOMPARE(a.aktive.caption(), QStringLiteral("1 aktiv alarm"));
        a.tick(at(2026, 12, 25, 0, 5, 0));
        QCOMPARE(a.aktive.caption(), QStringLiteral("Ingen alarmer"));
        QVERIFY(a.vindue.isVisible());
        child<QPushButton>(a.vindue, "ButtonLuk")->click();
        QVERIFY(a.findes(tidlig));

        // A year later the yearly alarm is back, and fires again.
        env.clock().set(at(2027, 12, 24, 12, 0));
        a.aktive.hentAlarmer();
        QCOMPARE(a.aktive.caption(), QStringLiteral("1 aktiv alarm"));
        a.tick(at(2027, 12, 24, 18, 0, 30));
        QVERIFY(a.vindue.isVisible());
        QVERIFY(a.findes(jul));
        child<QPushButton>(a.vindue, "ButtonLuk")->click();

        // 29 February: only in leap years.
        QVERIFY(Alarmer::slet(a.host.folders, tidlig));
        env.clock().set(at(2027, 2, 28, 6, 0));
        a.aktive.hentAlarmer();
        a.tick(at(2027, 3, 1, 7, 0));
        QVERIFY(!a.vindue.isVisible());
        env.clock().set(at(2028, 2, 29, 6, 0));
        a.aktive.hentAlarmer();
        QCOMPARE(a.aktive.alarm().size(), 1);
        QCOMPARE(a.aktive.alarm().first().navn, skud);
    }

    void aSleepOverTheMinuteFiresOnce() {
        TestEnvironment env;
        Opstilling a(env);
        skriv(a.host.folders, QStringLiteral("0000"), 0, 0, 10, 10, 0);
        env.clock().set(at(2026, 5, 4, 10, 0));
        a.aktive.hentAlarmer();
        a.tick(at(2026, 5, 4, 10, 0, 1));
        // The computer sleeps 20 minutes: no tick in 10:10.
        a.tick(at(2026, 5, 4, 10, 20, 1));
        QVERIFY(a.vindue.isVisible());
        QCOMPARE(a.player().plays(), 1);
        child<QPushButton>(a.vindue, "ButtonLuk")->click();
        a.tick(at(2026, 5, 4, 10, 20, 2));
        a.tick(at(2026, 5, 4, 10, 21, 0));
        QVERIFY(!a.vindue.isVisible());
        QCOMPARE(a.player().plays(), 1);
    }

    void badFilesAreSkipped() {
        TestEnvironment env;
        Opstilling a(env);
        const DataFolders& f = a.host.folders;
        env.writeFile(f.alarmDir + QStringLiteral("noter.txt"), "hej\r\n");
        env.writeFile(f.alarmDir + QStringLiteral("0000-00-00-11-00.txt"), "0000\r\n00\r\n");
        env.writeFile(f.alarmDir + QStringLiteral("0000-00-00-11-01.txt"),
                      "0000\r\n00\r\n00\r\n11\r\nxx\r\n0\r\n0\r\n1\r\nA\r\nB\r\nC\r\n");
        env.writeFile(f.alarmDir + QStringLiteral("0000-00-00-11-02.txt"),
                      "0000\r\n00\r\n00\r\n11\r\n02\r\n0\r\n0\r\n99\r\nA\r\nB\r\nC\r\n");
        env.writeFile(f.alarmDir + QStringLiteral("2026-02-31-11-03.txt"),
                      "2026\r\n02\r\n31\r\n11\r\n03\r\n1\r\n0\r\n1\r\nA\r\nB\r\nC\r\n");
        env.makeFolder(f.alarmDir + QStringLiteral("0000-00-00-11-04.txt"));
        skriv(f, QStringLiteral("0000"), 0, 0, 11, 30, 0);
        env.clock().set(at(2026, 5, 4, 10, 0));
        a.aktive.hentAlarmer();
        QCOMPARE(a.aktive.caption(), QStringLiteral("1 aktiv alarm"));
        QCOMPARE(Alarmer::laesAlle(f).size(), 1);
    }

    void firingDeletesOnlyItsOwnFiles() {
        TestEnvironment env;
        Opstilling a(env);
        const DataFolders& f = a.host.folders;
        // A moved or hand-edited file names other files in its lines 10 and 11.
        env.writeFile(QStringLiteral("C:\\vigtig.txt"), "behold\r\n");
        const QString navn = QStringLiteral("2026-05-04-10-05.txt");
        env.writeFile(f.alarmDir + navn, "2026\r\n05\r\n04\r\n10\r\n05\r\n1\r\n0\r\n1\r\nA\r\n"
                                         "C:\\vigtig.txt\r\nC:\\vigtig.txt\r\n");
        env.writeFile(f.alarmTekster + navn, "tekst\r\n");
        env.clock().set(at(2026, 5, 4, 10, 0));
        a.aktive.hentAlarmer();
        a.tick(at(2026, 5, 4, 10, 5));
        QVERIFY(a.vindue.isVisible());
        QVERIFY(!a.findes(navn));
        QVERIFY(Platform::files().exists(QStringLiteral("C:\\vigtig.txt")));
    }

    void missingTextAndNoSound() {
        TestEnvironment env;
        Opstilling a(env);
        const QString navn = skriv(a.host.folders, QStringLiteral("2026"), 5, 4, 10, 5, 1);
        QVERIFY(Platform::files().removeFile(a.host.folders.alarmTekster + navn));
        env.clock().set(at(2026, 5, 4, 10, 0));
        a.aktive.hentAlarmer();
        env.prompter().expectMessage(kIngenFil);
        a.tick(at(2026, 5, 4, 10, 5));
        QVERIFY(!a.vindue.isVisible());
        QCOMPARE(a.player().plays(), 0);
        QVERIFY(!a.findes(navn));

        // No audio device: said in the status bar, the program goes on.
        skriv(a.host.folders, QStringLiteral("0000"), 0, 0, 10, 7, 0);
        a.aktive.hentAlarmer();
        a.tick(at(2026, 5, 4, 10, 7));
        a.player().failWith(QStringLiteral("Der er ingen lydenhed, så lyden kan ikke afspilles."));
        QCOMPARE(a.host.info.last(),
                 QStringLiteral("Der er ingen lydenhed, så lyden kan ikke afspilles."));
        QVERIFY(a.vindue.isVisible());
    }

    void dateDifferences() {
        const struct {
            QDate a, b;
            const char* tekst;
            int ialt;
        } cases[] = {
            {QDate(2015, 1, 31), QDate(2015, 2, 28), "0 år, 1 måned samt 0 dage.", 28},
            {QDate(2016, 1, 31), QDate(2016, 2, 29), "0 år, 1 måned samt 0 dage.", 29},
            {QDate(2016, 2, 29), QDate(2017, 2, 28), "1 år, 0 måneder samt 0 dage.", 365},
            {QDate(2016, 2, 29), QDate(2017, 3, 1), "1 år, 0 måneder samt 1 dag.", 366},
            {QDate(2014, 3, 5), QDate(2016, 4, 6), "2 år, 1 måned samt 1 dag.", 763},
            {QDate(2014, 3, 5), QDate(2014, 3, 10), "0 år, 0 måneder samt 5 dage.", 5},
            {QDate(2015, 3, 31), QDate(2015, 4, 30), "0 år, 1 måned samt 0 dage.", 30},
            {QDate(2015, 3, 31), QDate(2015, 4, 29), "0 år, 0 måneder samt 29 dage.", 29},
            {QDate(2015, 12, 31), QDate(2015, 12, 31), "0 år, 0 måneder samt 0 dage.", 0},
        };
        for (const auto& c : cases) {
            for (bool omvendt : {false, true}) {
                const Datoforskel f =
                    omvendt ? Datoforskel::mellem(c.b, c.a) : Datoforskel::mellem(c.a, c.b);
                QCOMPARE(f.tekst(), QString::fromUtf8(c.tekst));
                QCOMPARE(f.ialtTekst(), QStringLiteral("%1 dage ialt.").arg(c.ialt));
            }
        }
    }
};

RAVNSTI_TEST_MAIN(TestAlarmer)
#include "tst_alarmer.moc"
