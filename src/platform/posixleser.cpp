#include "posixleser.h"

#include <fcntl.h>

PosixLeser::PosixLeser(int fd, qint64 size) : m_fd(fd), m_size(size) {
    QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool PosixLeser::seek(qint64 pos) {
    if (pos < 0 || ::lseek(m_fd.get(), pos, SEEK_SET) != pos)
        return false;
    m_pos = pos;
    return QIODevice::seek(pos);
}

qint64 PosixLeser::readData(char* data, qint64 maxSize) {
    qint64 done = 0;
    while (done < maxSize) {
        const ssize_t n = ::read(m_fd.get(), data + done, size_t(maxSize - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            // Opened without blocking, which a regular file normally ignores.
            ::fcntl(m_fd.get(), F_SETFL, ::fcntl(m_fd.get(), F_GETFL) & ~O_NONBLOCK);
            continue;
        }
        if (n < 0)
            return done > 0 ? done : -1;
        done += n;
        m_pos += n;
        // A short read at the size the file had is its end; nothing more is asked for.
        if (n == 0 || m_pos >= m_size)
            break;
    }
    return done;
}
