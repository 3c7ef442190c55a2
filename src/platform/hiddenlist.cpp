#include "hiddenlist.h"
#include "posixfd.h"
#include "posixio.h"
#include "posixmeta.h"
#include "textfile.h"

#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

using namespace PosixIo;

namespace {

constexpr qint64 kHiddenFileLimit = 4 << 20; // a ".hidden" file larger than this is ignored

// A folder's ".hidden" file: missing, readable (its bytes) or one the program will not read
// (not a regular file, larger than the limit, or unreadable). Never waits on a FIFO.
enum class HiddenFile { Missing, Read, Unusable };

HiddenFile readHiddenFile(int dirfd, QByteArray& bytes) {
    bytes.clear();
    Fd fd(::openat(dirfd, ".hidden", O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid())
        return errno == ENOENT ? HiddenFile::Missing : HiddenFile::Unusable;
    Meta m;
    if (statAt(fd.get(), "", true, m) != 0 || !S_ISREG(m.mode) || m.size > kHiddenFileLimit)
        return HiddenFile::Unusable;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            return HiddenFile::Read;
        if (n < 0 || bytes.size() + n > kHiddenFileLimit) {
            bytes.clear();
            return HiddenFile::Unusable;
        }
        bytes.append(buffer, n);
    }
}

} // namespace

namespace HiddenList {

QSet<QByteArray> names(int dirfd) {
    QSet<QByteArray> listed;
    QByteArray bytes;
    readHiddenFile(dirfd, bytes);
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            listed.insert(line);
    }
    return listed;
}

QSet<QByteArray> namesOf(const QByteArray& folder) {
    Fd dir(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() ? names(dir.get()) : QSet<QByteArray>();
}

FileResult setListed(const QByteArray& folder, const QByteArray& name, bool listed,
                     const QString& path) {
    const QByteArray listPath = joinHost(folder, ".hidden");
    QByteArray bytes;
    {
        Fd dir(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!dir.valid())
            return FileResult::fromErrno(errno, path);
        if (readHiddenFile(dir.get(), bytes) == HiddenFile::Unusable)
            return FileResult::failure(FileError::NotSupported,
                                       display(listPath) +
                                           QStringLiteral(": not a readable list of names"));
    }
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line break
    const auto isName = [&name](const QByteArray& line) {
        return line == name || (line.endsWith('\r') && line.chopped(1) == name);
    };
    if (std::any_of(lines.cbegin(), lines.cend(), isName) == listed)
        return {};
    if (listed)
        lines.append(name);
    else
        lines.removeIf(isName);

    if (std::all_of(lines.cbegin(), lines.cend(),
                    [](const QByteArray& l) { return l.trimmed().isEmpty(); })) {
        if (::unlink(listPath.constData()) != 0 && errno != ENOENT)
            return FileResult::fromErrno(errno, display(listPath));
        return {};
    }
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + '\n';
    return TextFile::writeHostFileAtomically(QFile::decodeName(listPath), out);
}

} // namespace HiddenList
