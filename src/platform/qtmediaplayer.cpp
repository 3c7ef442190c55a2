#include "qtmediaplayer.h"
#include "platform.h"

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

QtMediaPlayer::QtMediaPlayer(QObject* parent) : MediaPlayer(parent) {}

bool QtMediaPlayer::ensurePlayer() {
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
    connect(m_player, &QMediaPlayer::durationChanged, this, &MediaPlayer::lengthChanged);
    connect(m_player, &QMediaPlayer::positionChanged, this, &MediaPlayer::positionChanged);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this,
            [this] { emit stateChanged(state()); });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    emit finished();
                else if (status == QMediaPlayer::InvalidMedia)
                    fail(QStringLiteral("Filen %1 kan ikke afspilles.").arg(m_path));
            });
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString& text) {
                if (error == QMediaPlayer::FormatError)
                    fail(QStringLiteral("Der er intet afkodningsprogram til %1.").arg(m_path));
                else if (error == QMediaPlayer::ResourceError)
                    fail(QStringLiteral("Filen %1 kan ikke læses.").arg(m_path));
                else
                    fail(QStringLiteral("Filen %1 kan ikke afspilles: %2").arg(m_path, text));
            });
    m_player->setSource(m_source);
    return true;
}

void QtMediaPlayer::fail(const QString& message) {
    if (m_player)
        m_player->stop();
    emit failed(message);
}

void QtMediaPlayer::open(const QString& path) {
    stop();
    m_path = path;
    const auto host = Platform::hostPath(path);
    m_source = host && QFileInfo(*host).isFile() ? QUrl::fromLocalFile(*host) : QUrl();
    // With a device the player is made now, so that the file's length comes before play.
    if (!m_source.isEmpty())
        ensurePlayer();
    if (m_player)
        m_player->setSource(m_source);
    if (m_source.isEmpty())
        emit failed(QStringLiteral("Filen %1 blev ikke fundet.").arg(path));
}

void QtMediaPlayer::close() {
    stop();
    m_source = QUrl();
    if (m_player)
        m_player->setSource(m_source);
    m_path.clear();
}

void QtMediaPlayer::play() {
    if (m_source.isEmpty())
        return;
    if (!ensurePlayer()) {
        fail(QStringLiteral("Der er ingen lydenhed, så lyden kan ikke afspilles."));
        return;
    }
    m_player->play();
}

void QtMediaPlayer::pause() {
    if (m_player)
        m_player->pause();
}

void QtMediaPlayer::stop() {
    if (m_player)
        m_player->stop();
}

void QtMediaPlayer::setLoops(int count) {
    m_loops = count > 0 ? count : int(QMediaPlayer::Infinite);
    if (m_player)
        m_player->setLoops(m_loops);
}

void QtMediaPlayer::setVolume(double volume) {
    m_volume = float(qBound(0.0, volume, 1.0));
    if (m_output)
        m_output->setVolume(m_volume);
}

void QtMediaPlayer::setPosition(qint64 ms) {
    if (m_player)
        m_player->setPosition(ms);
}

MediaPlayer::State QtMediaPlayer::state() const {
    switch (m_player ? m_player->playbackState() : QMediaPlayer::StoppedState) {
    case QMediaPlayer::PlayingState:
        return State::Playing;
    case QMediaPlayer::PausedState:
        return State::Paused;
    default:
        return State::Stopped;
    }
}

qint64 QtMediaPlayer::length() const {
    return m_player ? m_player->duration() : 0;
}

qint64 QtMediaPlayer::position() const {
    return m_player ? m_player->position() : 0;
}
