#include "fakemediaplayer.h"

void FakeMediaPlayer::open(const QString& path) {
    setState(State::Stopped);
    m_path = path;
    m_opened << path;
    m_length = 0;
    m_position = 0;
}

void FakeMediaPlayer::close() {
    setState(State::Stopped);
    m_path.clear();
    m_length = 0;
    m_position = 0;
}

void FakeMediaPlayer::play() {
    if (m_path.isEmpty())
        return;
    ++m_plays;
    setState(State::Playing);
}

void FakeMediaPlayer::pause() {
    if (m_state == State::Playing)
        setState(State::Paused);
}

void FakeMediaPlayer::stop() {
    setState(State::Stopped);
    setPosition(0);
}

void FakeMediaPlayer::setPosition(qint64 ms) {
    if (m_position == ms)
        return;
    m_position = ms;
    emit positionChanged(ms);
}

void FakeMediaPlayer::announceLength(qint64 ms) {
    m_length = ms;
    emit lengthChanged(ms);
}

void FakeMediaPlayer::reachEnd() {
    setPosition(m_length);
    setState(State::Stopped);
    emit finished();
}

void FakeMediaPlayer::failWith(const QString& message, Failure failure) {
    setState(State::Stopped);
    emit failed(message, failure);
}

void FakeMediaPlayer::setState(State state) {
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}
