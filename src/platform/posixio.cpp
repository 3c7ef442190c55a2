#include "posixio.h"

#include <cerrno>
#include <unistd.h>

namespace PosixIo {

int writeAll(int fd, QByteArrayView data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += n;
    }
    return 0;
}

} // namespace PosixIo
