#pragma once

#include <cerrno>
#include <utility>

#include <unistd.h>

namespace PosixIo {

// Owns a file descriptor and closes it when it goes.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Hands the descriptor over to a new owner.
    int release() { return std::exchange(m_fd, -1); }
    // Closes and reports the error close() gave (0 when none).
    int close() {
        if (m_fd < 0)
            return 0;
        const int r = ::close(std::exchange(m_fd, -1));
        return r == 0 || errno == EINTR ? 0 : errno;
    }

private:
    int m_fd = -1;
};

} // namespace PosixIo
