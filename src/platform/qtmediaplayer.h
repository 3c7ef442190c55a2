#pragma once

#include "mediaplayer.h"

class QAudioOutput;
class QMediaPlayer;

// The player on Linux: Qt's media player with one audio output that lives as long as the
// player, so every file plays at the volume last set.
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

    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    QString m_path;
};
