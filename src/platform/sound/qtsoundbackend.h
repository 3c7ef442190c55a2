#pragma once

#include "platform/soundbackend.h"

#include <QObject>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;

// The sound module's player: Qt's media player with one audio output that lives as long as
// the backend, so every file plays at the volume last set. Qt's player is made only when a
// file is first opened or played and an audio device exists, on a back end that has what it
// needs: making it where the media back end lacks its elements brings the process down.
class QtSoundBackend : public QObject, public SoundBackend {
public:
    explicit QtSoundBackend(Listener& listener);
    ~QtSoundBackend() override;

    void open(const QString& hostFile, const QString& shown) override;
    void play() override;
    void pause() override;
    void stop() override;
    void setLoops(int count) override;
    void setVolume(double volume) override;
    void setPosition(qint64 ms) override;

    State state() const override;
    qint64 length() const override;
    qint64 position() const override;

private:
    void fail(const QString& message);
    // Makes Qt's player on first use; false when there is no audio device to play on.
    bool ensurePlayer();

    Listener& m_listener;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    QUrl m_source; // the file opened, given to Qt's player once it exists
    QString m_shown;
    int m_loops = 1;
    float m_volume = 1.0f;
};
