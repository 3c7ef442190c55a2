#include "engine/handlinger.h"
#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/platform.h"
#include "tools/musikformen.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

// A player window over a queue of the named files in C:\Musik (all of them made).
struct Player {
    explicit Player(TestEnvironment& env, const QStringList& names = {}) : e(env) {
        env.makeFolder(QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber"));
        QStringList paths;
        for (const QString& name : names) {
            env.writeFile(QStringLiteral("C:\\Musik\\") + name, "x");
            paths << QStringLiteral("C:\\Musik\\") + name;
        }
        form = std::make_unique<Tmusikformen>(h);
        h.funk().makeMusikListeSL(paths, false);
        form->show();
    }
    void click(const char* button) {
        QTest::mouseClick(child<QToolButton>(*form, button), Qt::LeftButton);
    }
    QString text(const char* label) const { return child<QLabel>(*form, label)->text(); }
    QListWidget* box() const { return form->Musikbox(); }
    QPoint row(int n) const { return box()->visualItemRect(box()->item(n)).center(); }
    // A double click on a row as the window system delivers it.
    void doubleClick(int n) const {
        QWidget* viewport = box()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, row(n));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, row(n));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, row(n));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, row(n));
    }
    QTimer* timer() const { return child<QTimer>(*form, "playTimer"); }
    // One tick of the play timer, as a second going by.
    void tick() const { QMetaObject::invokeMethod(timer(), "timeout"); }
    FakeMediaPlayer* player() const { return e.mediaPlayers().last(); }

    TestEnvironment& e;
    TestHost h;
    std::unique_ptr<Tmusikformen> form;
};

} // namespace

class TestMusikformen : public QObject {
    Q_OBJECT

private slots:
    void buttonsWithoutMusic() {
        TestEnvironment env;
        Player p(env);
        for (const char* button : {"PlayButton", "PauseButton", "StopButton"}) {
            env.prompter().expectMessage(QStringLiteral("Vælg musik til afspilning!"));
            p.click(button);
        }
        QCOMPARE(env.prompter().pending(), 0);
        QVERIFY(!p.timer()->isActive());
        QVERIFY(env.mediaPlayers().isEmpty() || p.player()->plays() == 0);
        env.prompter().expectMessage(QStringLiteral("Der er ikke valgt et musikstykke!"));
        p.click("openMappeButton");
        p.click("spmMusikInfo");
        QCOMPARE(p.h.help, QStringList{QStringLiteral("Musikafspiller")});
    }

    void playPauseAndStop() {
        TestEnvironment env;
        Player p(env, {"a.mp3", "b.wav"});
        QCOMPARE(p.box()->count(), 2);
        QCOMPARE(p.box()->item(1)->text(), QStringLiteral("b"));
        p.click("PlayButton");
        FakeMediaPlayer* player = p.player();
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\a.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QCOMPARE(p.box()->currentRow(), 0);
        QVERIFY(p.timer()->isActive());
        QCOMPARE(p.timer()->interval(), 1000);

        // The length arrives after the file was opened.
        QCOMPARE(p.text("LabelMusikTid"), QStringLiteral("00:00:00"));
        player->announceLength(125000);
        QCOMPARE(p.text("LabelMusikTid"), QStringLiteral("00:02:05"));
        QCOMPARE(p.text("LabelPos"), QStringLiteral("00:02:05"));
        player->setPosition(5000);
        p.tick();
        auto* progress = child<QProgressBar>(*p.form, "musikProgressbar");
        QCOMPARE(progress->maximum(), 125000);
        QCOMPARE(progress->value(), 5000);
        QCOMPARE(p.text("LabelPos"), QStringLiteral("00:02:00"));

        p.click("PauseButton");
        QCOMPARE(player->state(), MediaPlayer::State::Paused);
        QVERIFY(!p.timer()->isActive());
        p.click("PlayButton");
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QVERIFY(p.timer()->isActive());
        p.click("StopButton");
        QCOMPARE(player->state(), MediaPlayer::State::Stopped);
        QVERIFY(!p.timer()->isActive());
        QCOMPARE(progress->value(), 0);
        QCOMPARE(player->position(), 0);
        QCOMPARE(p.text("LabelPos"), QStringLiteral("00:02:05"));

        // Without "Spil alle" the end of a piece stops the display.
        p.click("PlayButton");
        player->reachEnd();
        p.tick();
        QVERIFY(!p.timer()->isActive());
        QCOMPARE(p.text("LabelPos"), QStringLiteral("00:00:00"));
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\a.mp3"));
    }

    void playingOnThroughTheQueue() {
        TestEnvironment env;
        Player p(env, {"a.mp3", "b.mp3", "c.mp3"});
        QTest::mouseClick(p.form->SpilAlle(), Qt::LeftButton);
        QVERIFY(p.h.options.spilAlleChecked);
        QTest::mouseClick(p.box()->viewport(), Qt::LeftButton, {}, p.row(1));
        FakeMediaPlayer* player = p.player();
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\b.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Stopped);
        p.click("PlayButton");
        player->reachEnd();
        p.tick();
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\c.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QCOMPARE(p.box()->currentRow(), 2);
        // After the last piece the first is loaded, not played, and the timer stops.
        player->reachEnd();
        p.tick();
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\a.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Stopped);
        QVERIFY(!p.timer()->isActive());
        QCOMPARE(p.box()->currentRow(), 0);
        // With "Gentag" the queue starts over.
        QTest::mouseClick(child<QCheckBox>(*p.form, "spilGentag"), Qt::LeftButton);
        QVERIFY(p.h.options.spilGentagChecked);
        p.doubleClick(2);
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\c.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        player->reachEnd();
        p.tick();
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\a.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);

        // The folder of the loaded piece opens in the file pane.
        p.click("openMappeButton");
        QCOMPARE(p.h.funk().Grundmappe(), QStringLiteral("C:\\Musik"));

        // A click below the last row reads nothing and leaves no row selected.
        const QStringList opened = player->opened();
        QTest::mouseClick(p.box()->viewport(), Qt::LeftButton, {},
                          QPoint(5, p.box()->viewport()->height() - 2));
        QCOMPARE(player->opened(), opened);
        env.prompter().expectMessage(QStringLiteral("Der er ikke valgt et musikstykke!"));
        p.click("openMappeButton");

        // A failure is told of and stops the timer; the window and the queue stay.
        env.prompter().expectMessage(
            QStringLiteral("Lyden kan ikke afspilles.\nForsøg ikke at spille dette nummer igen."));
        player->failWith(QStringLiteral("Lyden kan ikke afspilles."));
        QVERIFY(!p.timer()->isActive());
        QCOMPARE(p.box()->count(), 3);
        QVERIFY(p.form->isVisible());
    }

    // No audio device blames no piece and is said once, until something has played.
    void withoutADeviceItIsSaidOnce() {
        TestEnvironment env;
        Player p(env, {"a.mp3", "b.mp3", "c.mp3"});
        QTest::mouseClick(p.box()->viewport(), Qt::LeftButton, {}, p.row(1));
        FakeMediaPlayer* player = p.player();
        const QString ingen = QStringLiteral("Der er ingen lydenhed, så lyden kan ikke afspilles.");
        env.prompter().expectMessage(ingen);
        p.click("PlayButton");
        player->failWith(ingen, MediaPlayer::Failure::NoDevice);
        QCOMPARE(env.prompter().pending(), 0);
        QVERIFY(!p.timer()->isActive());
        for (int i = 0; i < 2; ++i) {
            p.click("PlayButton");
            player->failWith(ingen, MediaPlayer::Failure::NoDevice);
        }
        QCOMPARE(env.prompter().shown(), QStringList{ingen});
        QCOMPARE(p.box()->count(), 3);
        QCOMPARE(p.box()->currentRow(), 1);
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\b.mp3"));
        // Once a piece has played, a lost device is told of again.
        p.click("PlayButton");
        player->announceLength(1000);
        player->setPosition(500);
        env.prompter().expectMessage(ingen);
        player->failWith(ingen, MediaPlayer::Failure::NoDevice);
        QCOMPARE(env.prompter().shown().size(), 2);
    }

    void volumeSizeAndPlace() {
        TestEnvironment env;
        {
            TestHost h;
            h.options.lydBarPosition = 300;
            Tmusikformen form(h);
            env.writeFile(QStringLiteral("C:\\x.mp3"), "x");
            h.funk().makeMusikListeSL({QStringLiteral("C:\\x.mp3")}, false);
            h.funk().setPlayFilename(0);
            QCOMPARE(env.mediaPlayers().last()->volume(), 0.3);
        }
        Player p(env, {"a.mp3"});
        auto* lydBar = child<QSlider>(*p.form, "lydBar");
        QCOMPARE(lydBar->value(), 500);
        lydBar->setFocus();
        QTest::keyClick(lydBar, Qt::Key_PageUp);
        QCOMPARE(p.h.info.last(), QStringLiteral("Lydstyrke: 60%"));
        lydBar->setValue(735);
        QCOMPARE(p.h.info.last(), QStringLiteral("Lydstyrke: 73%"));
        QCOMPARE(p.h.options.lydBarPosition, 735);
        p.click("PlayButton");
        QCOMPARE(p.player()->volume(), 0.735);

        // The first start's size 0 gives the smallest size; every change is kept.
        QCOMPARE(p.form->size(), QSize(590, 272));
        p.form->resize(700, 300);
        QCOMPARE(p.h.options.MusikWidth, 700);
        QCOMPARE(p.h.options.MusikHeight, 300);

        // Closing stops the timer, not the piece, and keeps the place.
        p.form->move(60, 45);
        QTest::mouseClick(child<QPushButton>(*p.form, "ButtonLuk"), Qt::LeftButton);
        QVERIFY(!p.form->isVisible());
        QVERIFY(!p.timer()->isActive());
        QCOMPARE(p.player()->state(), MediaPlayer::State::Playing);
        const QString file = QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber\\musikafspiller.txt");
        QCOMPARE(env.readFile(file), QByteArray("60\r\n45\r\n"));
        {
            Tmusikformen again(p.h);
            QCOMPARE(again.pos(), QPoint(60, 45));
        }
        env.writeFile(file, "venstre\r\n");
        Tmusikformen broken(p.h);
        QCOMPARE(broken.pos(), QPoint(20, 20));
    }
};

RAVNSTI_TEST_MAIN(TestMusikformen)
#include "tst_musikformen.moc"
