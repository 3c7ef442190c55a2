#include "posixio.h"

#include "posixmeta.h"

#include <QFile>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <cstdio> // renameat2

#include <fcntl.h>
#include <sys/stat.h>
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

QString display(const QByteArray& host) {
    return QFile::decodeName(host);
}

std::pair<QByteArray, QByteArray> splitHost(const QByteArray& host) {
    const qsizetype slash = host.lastIndexOf('/');
    if (slash < 0)
        return {QByteArray("."), host};
    return {slash == 0 ? QByteArray("/") : host.left(slash), host.mid(slash + 1)};
}

QByteArray joinHost(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray temporaryName() {
    static std::atomic<quint32> counter = 0; // copies run on several threads
    // The process id is asked each time: a forked child names its temporaries as its own,
    // so that they are known for a dead process's once it is killed.
    return QByteArray(".ravnsti-") + QByteArray::number(qint64(::getpid())) + '-' +
           QByteArray::number(++counter) + '-' +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
}

mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask);
            }
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool flagsUnsupported(int e) {
    return e == EINVAL || e == ENOSYS || e == ENOTSUP;
}

int renameNoReplace(int fromDir, const char* from, int toDir, const char* to) {
    if (::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)
        return 0;
    const int e = errno;
    if (!flagsUnsupported(e))
        return e;
    Meta m;
    if (statAt(toDir, to, false, m) == 0)
        return EEXIST;
    return ::renameat(fromDir, from, toDir, to) == 0 ? 0 : errno;
}

} // namespace PosixIo
