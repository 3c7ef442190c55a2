#include "harness/testenvironment.h"
#include "platform/qtmediaplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSignalSpy>

class TestQtMediaPlayer : public QObject {
    Q_OBJECT

private slots:
    // Making the player touches no media back end: a program that may play sounds later
    // starts where the back end is missing or broken, and says so only when asked to play.
    void missingFilesAndNoAudioDeviceAreReported() {
        TestEnvironment env;
        QtMediaPlayer player;
        QSignalSpy failed(&player, &MediaPlayer::failed);
        player.setLoops(3);
        player.setVolume(0.5);
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        QCOMPARE(player.length(), 0);

        player.open(QStringLiteral("C:\\ingen.wav"));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.last().first().toString(),
                 QStringLiteral("Filen C:\\ingen.wav blev ikke fundet."));
        player.play();
        QCOMPARE(failed.size(), 1);

        env.writeFile(QStringLiteral("C:\\lyd.wav"), "RIFF");
        player.open(QStringLiteral("C:\\lyd.wav"));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(player.path(), QStringLiteral("C:\\lyd.wav"));
        if (!QMediaDevices::audioOutputs().isEmpty())
            QSKIP("this machine has an audio device");
        player.play();
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed.last().first().toString(),
                 QStringLiteral("Der er ingen lydenhed, så lyden kan ikke afspilles."));
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        player.close();
        QVERIFY(player.path().isEmpty());
    }
};

RAVNSTI_TEST_MAIN(TestQtMediaPlayer)
#include "tst_qtmediaplayer.moc"
