#pragma once

#include <QString>
#include <QtGlobal>

// What the sound module offers the program's media player: Qt's media player behind plain
// virtual calls. The module (ravnsti-lyd.so) is loaded the first time a file is opened, so
// that Qt Multimedia and the many libraries it pulls in cost nothing at start-up; nothing
// but these calls crosses between the two, so the module needs no symbol of the program.
class SoundBackend {
public:
    enum class State { Stopped, Playing, Paused };

    // What the player learns later, told on the main thread.
    class Listener {
    public:
        virtual void lengthChanged(qint64 ms) = 0;
        virtual void positionChanged(qint64 ms) = 0;
        virtual void stateChanged() = 0;
        // Played through to the end of the last loop.
        virtual void finished() = 0;
        // A Danish sentence naming the file as open() was told to show it.
        virtual void failed(const QString& message) = 0;
        // play() found no audio device; whatever is opened can wait for one.
        virtual void noDevice(const QString& message) = 0;

    protected:
        ~Listener() = default;
    };

    virtual ~SoundBackend() = default;

    // The host file to play, or empty for none; `shown` names it in messages.
    virtual void open(const QString& hostFile, const QString& shown) = 0;
    // Tells noDevice() when there is no sound device; nothing opened plays nothing.
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // 0 or less plays until stop().
    virtual void setLoops(int count) = 0;
    virtual void setVolume(double volume) = 0;
    virtual void setPosition(qint64 ms) = 0;

    virtual State state() const = 0;
    virtual qint64 length() const = 0;
    virtual qint64 position() const = 0;
};

// The module's one exported function, by this name: a new backend that tells `listener`.
using SoundBackendFactory = SoundBackend* (*)(SoundBackend::Listener* listener);
inline constexpr char kSoundBackendFactory[] = "ravnsti_sound_backend";
