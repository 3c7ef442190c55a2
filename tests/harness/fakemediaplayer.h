#pragma once

#include "platform/mediaplayer.h"

#include <QStringList>

// A player that makes no sound: it records what it is told, and the test plays the part of
// the platform by announcing a length, the end of the file or a failure.
class FakeMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    void open(const QString& path) override;
    void close() override;
    void play() override;
    void pause() override;
    void stop() override;
    void setLoops(int count) override { m_loops = count; }
    void setVolume(double volume) override { m_volume = volume; }
    void setPosition(qint64 ms) override;

    QString path() const override { return m_path; }
    State state() const override { return m_state; }
    qint64 length() const override { return m_length; }
    qint64 position() const override { return m_position; }

    // What the platform would announce later.
    void announceLength(qint64 ms);
    void reachEnd();
    void failWith(const QString& message, Failure failure = Failure::File);

    QStringList opened() const { return m_opened; }
    int plays() const { return m_plays; }
    int loops() const { return m_loops; }
    double volume() const { return m_volume; }

private:
    void setState(State state);

    QString m_path;
    QStringList m_opened;
    State m_state = State::Stopped;
    qint64 m_length = 0;
    qint64 m_position = 0;
    int m_plays = 0;
    int m_loops = 1;
    double m_volume = 1.0;
};
