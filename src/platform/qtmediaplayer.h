#pragma once

#include "mediaplayer.h"

#include <QUrl>

class QAudioOutput;
class QMediaPlayer;

// The player on Linux: Qt's media player with one audio output that lives as long as the
// player, so every file plays at the volume last set. Qt's player is made only when a file
// is first opened or played and an audio device exists, on a back end that has what it
// needs: making it where the media back end lacks its elements brings the process down,
// and a program that merely may play sounds later must start everywhere.
class QtMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject* parent = nullptr);

    void open(const QString& path) override;
    void close() override;
    void play() override;
    void pause() override;
    void stop() override;
    void setLoops(int count) override;
    void setVolume(double volume) override;
    void setPosition(qint64 ms) override;

    QString path() const override { return m_path; }
    State state() const override;
    qint64 length() const override;
    qint64 position() const override;

private:
    void fail(const QString& message);
    // Makes Qt's player on first use; false when there is no audio device to play on.
    bool ensurePlayer();

    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    QString m_path;
    QUrl m_source; // the file opened, given to Qt's player once it exists
    int m_loops = 1;
    float m_volume = 1.0f;
};
