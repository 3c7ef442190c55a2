#include "qtsoundbackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMediaDevices>
#include <QMediaPlayer>

namespace {

// GStreamer's playback elements (plugins-base) and its automatic sound output (plugins-good)
// in the folders GStreamer reads its plugins from.
bool gstreamerPlays() {
    QString folders = qEnvironmentVariable("GST_PLUGIN_SYSTEM_PATH_1_0",
                                           qEnvironmentVariable("GST_PLUGIN_SYSTEM_PATH"));
    if (folders.isEmpty())
        folders =
            QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/gstreamer-1.0");
    for (const QString& folder : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QFileInfo::exists(folder + QStringLiteral("/libgstplayback.so")) &&
            QFileInfo::exists(folder + QStringLiteral("/libgstautodetect.so")))
            return true;
    return false;
}

// Qt 6.4 plays through GStreamer, and its player crashes when it is made without the
// elements above. Without them the FFmpeg backend, which comes with Qt's own multimedia
// package, plays instead. The choice is made before Qt's multimedia is first used.
void chooseBackend() {
    static const bool chosen = [] {
        if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND") && !gstreamerPlays())
            qputenv("QT_MEDIA_BACKEND", "ffmpeg");
        return true;
    }();
    Q_UNUSED(chosen);
}

} // namespace

extern "C" Q_DECL_EXPORT SoundBackend* ravnsti_sound_backend(SoundBackend::Listener* listener) {
    return new QtSoundBackend(*listener);
}

QtSoundBackend::QtSoundBackend(Listener& listener) : m_listener(listener) {}

QtSoundBackend::~QtSoundBackend() {
    // The listener is going too: what Qt's player says while it goes is not told.
    if (m_player)
        m_player->disconnect(this);
}

bool QtSoundBackend::ensurePlayer() {
    if (m_player)
        return true;
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    chooseBackend();
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_output->setVolume(m_volume);
    m_player->setAudioOutput(m_output);
    m_player->setLoops(m_loops);
    connect(m_player, &QMediaPlayer::durationChanged, this,
            [this](qint64 ms) { m_listener.lengthChanged(ms); });
    connect(m_player, &QMediaPlayer::positionChanged, this,
            [this](qint64 ms) { m_listener.positionChanged(ms); });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this,
            [this] { m_listener.stateChanged(); });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    m_listener.finished();
                else if (status == QMediaPlayer::InvalidMedia)
                    fail(QStringLiteral("Filen %1 kan ikke afspilles.").arg(m_shown));
            });
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString& text) {
                if (error == QMediaPlayer::FormatError)
                    fail(QStringLiteral("Der er intet afkodningsprogram til %1.").arg(m_shown));
                else if (error == QMediaPlayer::ResourceError)
                    fail(QStringLiteral("Filen %1 kan ikke læses.").arg(m_shown));
                else
                    fail(QStringLiteral("Filen %1 kan ikke afspilles: %2").arg(m_shown, text));
            });
    m_player->setSource(m_source);
    return true;
}

void QtSoundBackend::fail(const QString& message) {
    if (m_player)
        m_player->stop();
    m_listener.failed(message);
}

void QtSoundBackend::open(const QString& hostFile, const QString& shown) {
    stop();
    m_shown = shown;
    m_source = hostFile.isEmpty() ? QUrl() : QUrl::fromLocalFile(hostFile);
    // With a device the player is made now, so that the file's length comes before play;
    // a player made now takes the source as it is made.
    if (m_player)
        m_player->setSource(m_source);
    else if (!m_source.isEmpty())
        ensurePlayer();
}

void QtSoundBackend::play() {
    if (m_source.isEmpty())
        return;
    if (!ensurePlayer()) {
        m_listener.noDevice(QStringLiteral("Der er ingen lydenhed, så lyden kan ikke afspilles."));
        return;
    }
    m_player->play();
}

void QtSoundBackend::pause() {
    if (m_player)
        m_player->pause();
}

void QtSoundBackend::stop() {
    if (m_player)
        m_player->stop();
}

void QtSoundBackend::setLoops(int count) {
    m_loops = count > 0 ? count : int(QMediaPlayer::Infinite);
    if (m_player)
        m_player->setLoops(m_loops);
}

void QtSoundBackend::setVolume(double volume) {
    m_volume = float(qBound(0.0, volume, 1.0));
    if (m_output)
        m_output->setVolume(m_volume);
}

void QtSoundBackend::setPosition(qint64 ms) {
    if (m_player)
        m_player->setPosition(ms);
}

SoundBackend::State QtSoundBackend::state() const {
    switch (m_player ? m_player->playbackState() : QMediaPlayer::StoppedState) {
    case QMediaPlayer::PlayingState:
        return State::Playing;
    case QMediaPlayer::PausedState:
        return State::Paused;
    default:
        return State::Stopped;
    }
}

qint64 QtSoundBackend::length() const {
    return m_player ? m_player->duration() : 0;
}

qint64 QtSoundBackend::position() const {
    return m_player ? m_player->position() : 0;
}
