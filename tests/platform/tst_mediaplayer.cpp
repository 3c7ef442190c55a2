#include "harness/testenvironment.h"
#include "platform/qtmediaplayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QtEndian>

#include <cmath>

namespace {

// A mono 16-bit WAV file of a 440 Hz tone.
QByteArray wav(int milliseconds) {
    constexpr int rate = 8000;
    const int samples = rate * milliseconds / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const auto sample = qint16(4000 * std::sin(2 * M_PI * 440 * i / rate));
        data.append(reinterpret_cast<const char*>(&sample), 2);
    }
    auto le32 = [](quint32 v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 4);
    };
    auto le16 = [](quint16 v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 2);
    };
    return "RIFF" + le32(36 + quint32(data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
           le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(quint32(data.size())) +
           data;
}

// Runs the event loop until the player has told one of these; no time limit.
void waitFor(QtMediaPlayer& player, void (MediaPlayer::*signal)(qint64)) {
    QEventLoop loop;
    QObject::connect(&player, signal, &loop, &QEventLoop::quit);
    QObject::connect(&player, &MediaPlayer::finished, &loop, &QEventLoop::quit);
    QObject::connect(&player, &MediaPlayer::failed, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

// Qt's own player, on the machine's own decoders and sound output.
class TestMediaPlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The sound server listens in the session's runtime folder, which each test
        // environment replaces with a temporary one.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (!runtime.isEmpty() && qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            qputenv("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
    }

    // Making the player and setting it up touches no media back end, so a program that may
    // play sounds later starts where the back end is missing; failures come when it plays.
    void failuresAreToldInDanish() {
        TestEnvironment env;
        QtMediaPlayer player;
        QSignalSpy failed(&player, &MediaPlayer::failed);
        player.setLoops(3);
        player.setVolume(0.5);
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        QCOMPARE(player.length(), 0);
        player.play(); // nothing opened: nothing to tell
        QCOMPARE(failed.size(), 0);
        player.open(QStringLiteral("C:\\ingen.wav"));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.last().first().toString(),
                 QStringLiteral("Filen C:\\ingen.wav blev ikke fundet."));
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);

        env.writeFile(QStringLiteral("C:\\tone.wav"), wav(1000));
        player.open(QStringLiteral("C:\\tone.wav"));
        QCOMPARE(player.path(), QStringLiteral("C:\\tone.wav"));
        if (QMediaDevices::audioOutputs().isEmpty()) {
            player.play();
            QCOMPARE(failed.last().first().toString(),
                     QStringLiteral("Der er ingen lydenhed, så lyden kan ikke afspilles."));
            QCOMPARE(failed.last().at(1).value<MediaPlayer::Failure>(),
                     MediaPlayer::Failure::NoDevice);
            QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        }
        player.close();
        QCOMPARE(player.path(), QString());
    }

    // Without its sound module the program runs on; opening a file says why nothing plays.
    void aMissingSoundModuleIsToldWhenAFileIsOpened() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\tone.wav"), wav(100));
        const QByteArray module = qgetenv("RAVNSTI_LYD");
        qputenv("RAVNSTI_LYD", QFile::encodeName(env.host(QStringLiteral("C:\\mangler.so"))));
        QtMediaPlayer player;
        QSignalSpy failed(&player, &MediaPlayer::failed);
        player.open(QStringLiteral("C:\\tone.wav"));
        qputenv("RAVNSTI_LYD", module);
        QCOMPARE(failed.size(), 1);
        QVERIFY2(failed.last().first().toString().startsWith(QStringLiteral("Lydmodulet ")),
                 qPrintable(failed.last().first().toString()));
        QVERIFY(failed.last().first().toString().endsWith(
            QStringLiteral("mangler.so kan ikke indlæses, så lyden kan ikke afspilles.")));
        player.setVolume(0.5);
        player.play();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        QCOMPARE(player.length(), 0);
    }

    void playsAGeneratedWav() {
        if (QMediaDevices::audioOutputs().isEmpty())
            QSKIP("This machine has no sound output device, so nothing can be played through it.");
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\kort.wav"), wav(300));
        QtMediaPlayer player;
        QSignalSpy failed(&player, &MediaPlayer::failed);
        QSignalSpy finished(&player, &MediaPlayer::finished);
        player.setVolume(0.2);
        player.open(QStringLiteral("C:\\kort.wav"));
        player.play();
        QCOMPARE(player.state(), MediaPlayer::State::Playing);
        // The length is learnt from the file by the decoder, after play() returned.
        while (player.length() == 0 && finished.isEmpty() && failed.isEmpty())
            waitFor(player, &MediaPlayer::lengthChanged);
        QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
        QVERIFY(qAbs(player.length() - 300) < 50);
        while (finished.isEmpty() && failed.isEmpty())
            waitFor(player, &MediaPlayer::positionChanged);
        QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
    }
};

RAVNSTI_TEST_MAIN(TestMediaPlayer)
#include "tst_mediaplayer.moc"
