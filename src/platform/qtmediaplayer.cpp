#include "qtmediaplayer.h"
#include "installation.h"
#include "platform.h"

#include <QFileInfo>
#include <QLibrary>

QtMediaPlayer::QtMediaPlayer(QObject* parent) : MediaPlayer(parent) {}

QtMediaPlayer::~QtMediaPlayer() = default;

SoundBackend* QtMediaPlayer::backend() {
    if (m_backend)
        return m_backend.get();
    // A module already loaded is found again; it stays loaded, as QLibrary unloads only
    // when asked to.
    QLibrary module(Installation::soundModule());
    const auto factory =
        reinterpret_cast<SoundBackendFactory>(module.resolve(kSoundBackendFactory));
    if (!factory) {
        emit MediaPlayer::failed(
            QStringLiteral("Lydmodulet %1 kan ikke indlæses, så lyden kan ikke afspilles.")
                .arg(module.fileName()));
        return nullptr;
    }
    m_backend.reset(factory(this));
    m_backend->setLoops(m_loops);
    m_backend->setVolume(m_volume);
    return m_backend.get();
}

// The backend's open() stops what played before.
void QtMediaPlayer::open(const QString& path) {
    m_path = path;
    const auto host = Platform::hostPath(path);
    if (!host || !QFileInfo(*host).isFile()) {
        if (m_backend)
            m_backend->open(QString(), path);
        emit MediaPlayer::failed(QStringLiteral("Filen %1 blev ikke fundet.").arg(path));
        return;
    }
    if (SoundBackend* player = backend())
        player->open(*host, path);
}

void QtMediaPlayer::close() {
    if (m_backend)
        m_backend->open(QString(), QString());
    m_path.clear();
}

void QtMediaPlayer::play() {
    if (m_backend)
        m_backend->play();
}

void QtMediaPlayer::pause() {
    if (m_backend)
        m_backend->pause();
}

void QtMediaPlayer::stop() {
    if (m_backend)
        m_backend->stop();
}

void QtMediaPlayer::setLoops(int count) {
    m_loops = count;
    if (m_backend)
        m_backend->setLoops(count);
}

void QtMediaPlayer::setVolume(double volume) {
    m_volume = volume;
    if (m_backend)
        m_backend->setVolume(volume);
}

void QtMediaPlayer::setPosition(qint64 ms) {
    if (m_backend)
        m_backend->setPosition(ms);
}

// The module's states are the player's, in the same order.
static_assert(int(SoundBackend::State::Stopped) == int(MediaPlayer::State::Stopped) &&
              int(SoundBackend::State::Playing) == int(MediaPlayer::State::Playing) &&
              int(SoundBackend::State::Paused) == int(MediaPlayer::State::Paused));

MediaPlayer::State QtMediaPlayer::state() const {
    return m_backend ? State(m_backend->state()) : State::Stopped;
}

qint64 QtMediaPlayer::length() const {
    return m_backend ? m_backend->length() : 0;
}

qint64 QtMediaPlayer::position() const {
    return m_backend ? m_backend->position() : 0;
}
