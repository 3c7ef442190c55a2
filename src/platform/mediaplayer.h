#pragma once

#include <QObject>
#include <QString>

// Plays one sound or music file at a time without holding up the caller: open() and play()
// return at once, and what is learnt later (the length, the end, a failure) arrives as
// signals. Paths are logical. A failure (no audio device, no decoder for the format, a file
// that cannot be read) is reported through failed() with a Danish sentence and never stops
// the program; the player is then stopped and can be given another file.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class State { Stopped, Playing, Paused };
    // What failed: the file (unreadable, no decoder) or the machine, which has no audio device.
    enum class Failure { File, NoDevice };
    Q_ENUM(Failure)

    using QObject::QObject;

    // Loads a file without playing it; the file before it is closed. A path with no host
    // form or a missing file is reported through failed() at once.
    virtual void open(const QString& path) = 0;
    // Lets go of the file: stopped, no path, length 0.
    virtual void close() = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Stops and goes back to the start.
    virtual void stop() = 0;
    // How many times play() plays the file through; 0 or less plays until stop().
    virtual void setLoops(int count) = 0;
    // 0.0 (silent) to 1.0 (full); kept for every file that follows.
    virtual void setVolume(double volume) = 0;
    virtual void setPosition(qint64 ms) = 0;

    virtual QString path() const = 0;
    virtual State state() const = 0;
    // Milliseconds; 0 until the length is known.
    virtual qint64 length() const = 0;
    virtual qint64 position() const = 0;

signals:
    void lengthChanged(qint64 ms);
    void positionChanged(qint64 ms);
    void stateChanged(MediaPlayer::State state);
    // Played through to the end of the last loop.
    void finished();
    void failed(const QString& message, MediaPlayer::Failure failure = Failure::File);
};
