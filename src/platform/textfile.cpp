#include "textfile.h"
#include "platform.h"
#include "posixio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bytes 0x80-0x9F of Windows-1252. The five bytes the code page leaves undefined map to the
// C1 control of the same value, as Windows itself does, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return char(0x80 + i);
    return std::nullopt;
}

bool holdsLineBreak(const QStringList& lines) {
    for (const QString& line : lines)
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            return true;
    return false;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

} // namespace

QString TextFile::fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? kHigh[u - 0x80] : char16_t(u));
    }
    return text;
}

QString TextFile::fromUtf8(QByteArrayView bytes) {
    return QStringDecoder(QStringDecoder::Utf8,
                          QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless)
        .decode(bytes);
}

std::optional<QByteArray> TextFile::toWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const auto b = byteOf(c.unicode());
        if (!b)
            return std::nullopt;
        *out++ = *b;
    }
    return bytes;
}

QStringList TextFile::decode(const QByteArray& bytes, TextEncoding* encoding) {
    TextEncoding found = TextEncoding::Windows1252;
    const std::optional<QString> marked = decodeMarked(bytes, found);
    if (encoding)
        *encoding = found;
    return splitLines(marked ? *marked : fromWindows1252(bytes));
}

std::optional<QString> TextFile::decodeMarked(const QByteArray& bytes, TextEncoding& encoding) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = TextEncoding::Utf8Bom;
        return fromUtf8(QByteArrayView(bytes).sliced(3));
    }
    if (!bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF"))
        return std::nullopt;
    const bool little = bytes.at(0) == '\xFF';
    encoding = little ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
    // The mark is cut off here; a U+FEFF after it is a character of the text.
    QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(bytes).sliced(2));
}

bool TextFile::encode(const QStringList& lines, TextEncoding encoding, QByteArray& bytes,
                      TextEncoding* used) {
    if (holdsLineBreak(lines))
        return false;
    const QString text =
        lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    if (encoding == TextEncoding::Windows1252) {
        // Text whose first bytes would spell a byte-order mark ("ï»¿", "ÿþ", "þÿ") would read
        // back as another encoding; it is written as marked UTF-8 instead.
        auto plain = toWindows1252(text);
        if (plain && (plain->startsWith("\xEF\xBB\xBF") || plain->startsWith("\xFF\xFE") ||
                      plain->startsWith("\xFE\xFF")))
            plain.reset();
        if (plain) {
            bytes = *plain;
            if (used)
                *used = TextEncoding::Windows1252;
            return true;
        }
        encoding = TextEncoding::Utf8Bom;
    }
    switch (encoding) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool little = encoding == TextEncoding::Utf16LE;
        QStringEncoder encoder(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        bytes = QByteArray(little ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(encoder.encode(text));
        break;
    }
    default:
        bytes = QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        break;
    }
    if (used)
        *used = encoding;
    return true;
}

FileResult TextFile::read(const QString& logicalPath, QStringList& lines, TextEncoding* encoding) {
    // Through the file layer: only regular files are read, a FIFO in a settings file's place
    // is refused without waiting on it, and a file beyond the limit is not read into memory.
    QByteArray bytes;
    if (FileResult r = Platform::files().readFile(logicalPath, bytes, kLargestTextFile); !r)
        return r;
    lines = decode(bytes, encoding);
    return {};
}

FileResult TextFile::write(const QString& logicalPath, const QStringList& lines) {
    return write(logicalPath, lines, TextEncoding::Windows1252);
}

FileResult TextFile::write(const QString& logicalPath, const QStringList& lines,
                           TextEncoding encoding) {
    QByteArray bytes;
    if (!encode(lines, encoding, bytes))
        return FileResult::failure(FileError::InvalidData,
                                   QStringLiteral("a value holds a line break"));
    const auto host = Platform::hostPath(logicalPath);
    if (!host)
        return FileResult::failure(FileError::Unmappable, logicalPath);
    return writeHostFileAtomically(*host, bytes);
}

namespace {

// The temporaries the program writes before a file takes its name: hidden, with our prefix,
// the writing process's id and a counter no person would choose (PosixIo::temporaryName).
const QRegularExpression& ownTemporary() {
    static const QRegularExpression pattern(
        QStringLiteral("^\\.ravnsti-(\\d+)-\\d+-[0-9a-z]+\\.tmp$"));
    return pattern;
}

bool processRuns(qint64 pid) {
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() &&
           (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

bool isRegularFile(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// An unnamed file in the folder (O_TMPFILE): a process killed while writing it leaves
// nothing behind. -1 where the file system cannot make one.
int openUnnamed(const QByteArray& folder) {
#ifdef O_TMPFILE
    return ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Gives an unnamed file the name `temporary`; false (errno set) where it cannot.
bool nameUnnamed(int fd, const QByteArray& temporary) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temporary.constData(),
                    AT_SYMLINK_FOLLOW) == 0;
}

// Writes, sets the mode of and syncs an open file; 0 or the errno of the first failure.
int fill(int fd, const QByteArray& bytes, const struct stat* old) {
    int err = PosixIo::writeAll(fd, bytes);
    if (err == 0 && old && ::fchmod(fd, old->st_mode & 07777) != 0)
        err = errno;
    // The file is on the disk before it takes the old one's place: a power cut leaves the
    // old file or the new one, never an empty one.
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    return err;
}

// The first save into a folder also takes away what saves of ours that were killed in it
// left there, once a run.
void tidyOnce(const QByteArray& folder) {
    static QMutex lock;
    static QSet<QByteArray> tidied;
    {
        const QMutexLocker locked(&lock);
        if (tidied.contains(folder))
            return;
        tidied.insert(folder);
    }
    TextFile::removeStaleHostTemporaries(folder);
}

} // namespace

FileResult TextFile::writeHostFileAtomically(const QString& hostPath, const QByteArray& bytes) {
    // A link keeps pointing at the file it names; that file is the one replaced.
    QFileInfo info(hostPath);
    const QString target = info.isSymLink() && !info.canonicalFilePath().isEmpty()
                               ? info.canonicalFilePath()
                               : hostPath;
    const QByteArray path = QFile::encodeName(target);
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.left(slash);
    const QByteArray temporary = folder + '/' + PosixIo::temporaryName();

    struct stat old {};
    const bool replaces = ::stat(path.constData(), &old) == 0;
    const struct stat* keep = replaces ? &old : nullptr;
    // The new text is written into an unnamed file and named only once it is whole, so only
    // the instant between the name and the rename can leave a temporary; where the file
    // system has no unnamed files, a named temporary is written instead.
    int err = 0;
    bool named = false;
    if (const int fd = openUnnamed(folder); fd >= 0) {
        err = fill(fd, bytes, keep);
        // Where the name cannot be given (no /proc), the text is written again, named.
        named = err == 0 && nameUnnamed(fd, temporary);
        ::close(fd);
        if (err != 0)
            return FileResult::fromErrno(err, hostPath);
    }
    if (!named) {
        const int fd = ::open(temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            return FileResult::fromErrno(errno, hostPath);
        err = fill(fd, bytes, keep);
        if (::close(fd) != 0 && err == 0)
            err = errno;
    }
    if (err == 0 && ::rename(temporary.constData(), path.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temporary.constData());
        return FileResult::fromErrno(err, hostPath);
    }
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    tidyOnce(folder);
    return {};
}

int TextFile::removeStaleTemporaries(const QString& logicalFolder) {
    const auto host = Platform::hostPath(logicalFolder);
    return host ? removeStaleHostTemporaries(QFile::encodeName(*host)) : 0;
}

int TextFile::removeStaleHostTemporaries(const QByteArray& folder) {
    int removed = 0;
    for (const QString& name :
         QDir(QFile::decodeName(folder))
             .entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::System)) {
        const QRegularExpressionMatch own = ownTemporary().match(name);
        if (!own.hasMatch() || processRuns(own.captured(1).toLongLong()))
            continue;
        const QByteArray path = folder + '/' + QFile::encodeName(name);
        if (isRegularFile(path) && ::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}
