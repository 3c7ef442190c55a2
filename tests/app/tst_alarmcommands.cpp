#include "app/alarmcommands.h"
#include "app/commandtable.h"
#include "app/mainform.h"
#include "calendar/aktivealarmer.h"
#include "calendar/alarmdata.h"
#include "calendar/alarmform.h"
#include "calendar/kalenderform.h"
#include "engine/handlinger.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTabWidget>

class TestAlarmCommands : public QObject {
    Q_OBJECT

private slots:
    void captionsCommandsAndTheTimer() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        const QString alarmer = QStringLiteral("C:\\Ravnsti\\anna\\Alarmer\\");
        const QString navn = QStringLiteral("0000-00-00-09-30.txt");
        env.clock().set(QDateTime(QDate(2014, 3, 5), QTime(9, 5)));
        Tmainform form;
        QVERIFY(TextFile::write(alarmer + navn,
                                {"0000", "00", "00", "09", "30", "0", "0", "1", "Kaffe", "", ""}));
        QVERIFY(TextFile::write(QStringLiteral("C:\\Ravnsti\\anna\\Alarmtekster\\") + navn,
                                {"Sæt vand over"}));
        CommandTable& c = form.commands();
        QCOMPARE(c(QStringLiteral("aAlarmSe"))->text(), QStringLiteral("Se alarmer"));
        form.show();
        // Today's alarms are loaded at the first showing.
        QCOMPARE(c(QStringLiteral("aAlarmSe"))->text(), QStringLiteral("1 aktiv alarm"));
        QCOMPARE(c(QStringLiteral("mAktiveAlarmer"))->text(), QStringLiteral("1 aktiv alarm"));
        const AktiveAlarmer& aktive = form.alarms().aktive();
        QVERIFY(aktive.alarmTimer().isActive());

        Tkalenderform* kalender = form.alarms().kalenderform();
        auto* bog = kalender->findChild<QTabWidget*>(QStringLiteral("Bog"));
        c.evaluate();
        QVERIFY(c(QStringLiteral("aOpenKalender"))->isEnabled());
        QVERIFY(!c(QStringLiteral("aLukKalender"))->isEnabled());
        c(QStringLiteral("aOpenKalender"))->trigger();
        QVERIFY(kalender->isVisible());
        QCOMPARE(bog->currentIndex(), 0);
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("C:\\Ravnsti\\anna\\Kalender"));
        c.evaluate();
        QVERIFY(!c(QStringLiteral("aOpenKalender"))->isEnabled());
        QVERIFY(c(QStringLiteral("aLukKalender"))->isEnabled());
        c(QStringLiteral("mAktiveAlarmer"))->trigger();
        QCOMPARE(bog->currentIndex(), 1);
        c(QStringLiteral("aAlarmNy"))->trigger();
        QCOMPARE(bog->currentIndex(), 2);
        c(QStringLiteral("aLukKalender"))->trigger();
        QVERIFY(!kalender->isVisible());

        // The tick in the alarm's minute: the window, the sound, the captions.
        env.clock().set(QDateTime(QDate(2014, 3, 5), QTime(9, 30, 1)));
        form.alarms().aktive().alarmTimerTimer();
        QVERIFY(form.alarms().alarmform()->isVisible());
        QCOMPARE(c(QStringLiteral("aAlarmSe"))->text(), QStringLiteral("Ingen alarmer"));
        QCOMPARE(c(QStringLiteral("mAktiveAlarmer"))->text(), QStringLiteral("Ingen alarmer"));
        // The sounds are installed with the program and found in its folder.
        for (int lyd = 0; lyd < Alarmer::lydnavne().size(); ++lyd)
            QVERIFY2(Platform::files().exists(Alarmer::lydfil(form.mapper(), lyd)),
                     qPrintable(Alarmer::lydfil(form.mapper(), lyd)));

        // Closing the program with a changed note in the open calendar asks about it.
        c.evaluate();
        c(QStringLiteral("aOpenKalender"))->trigger();
        QVERIFY(kalender->isVisible());
        auto* memo = kalender->findChild<QPlainTextEdit*>(QStringLiteral("notatMemo"));
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("Ring til Ida"));
        env.prompter().answer(true);
        form.close();
        QStringList note;
        QVERIFY(TextFile::read(QStringLiteral("C:\\Ravnsti\\anna\\Notater\\05-03-2014.txt"), note));
        QCOMPARE(note, QStringList({"Ring til Ida"}));
        QVERIFY(!aktive.alarmTimer().isActive());
        QVERIFY(aktive.alarm().isEmpty());
    }
};

RAVNSTI_TEST_MAIN(TestAlarmCommands)
#include "tst_alarmcommands.moc"
