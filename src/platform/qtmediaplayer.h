#pragma once

#include "mediaplayer.h"
#include "soundbackend.h"

#include <memory>

// The player on Linux: the sound module's player (soundbackend.h), loaded and made when the
// first file is opened. Making the player and setting it up loads nothing, so a program that
// merely may play sounds later starts without Qt Multimedia; a module that cannot be loaded
// is told through failed() when a file is opened.
class QtMediaPlayer : public MediaPlayer, private SoundBackend::Listener {
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

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
    // The module's player, made with the loops and volume set so far; null, and told
    // through failed(), when the module cannot be loaded.
    SoundBackend* backend();

    void lengthChanged(qint64 ms) override { emit MediaPlayer::lengthChanged(ms); }
    void positionChanged(qint64 ms) override { emit MediaPlayer::positionChanged(ms); }
    void stateChanged() override { emit MediaPlayer::stateChanged(state()); }
    void finished() override { emit MediaPlayer::finished(); }
    void failed(const QString& message) override { emit MediaPlayer::failed(message); }
    void noDevice(const QString& message) override {
        emit MediaPlayer::failed(message, Failure::NoDevice);
    }

    std::unique_ptr<SoundBackend> m_backend;
    QString m_path;
    int m_loops = 1;
    double m_volume = 1.0;
};
