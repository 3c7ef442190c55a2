#include "benchfolder.h"
#include "benchtools.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr long kTmpfsMagic = 0x01021994;

} // namespace

BenchFolder::BenchFolder(const QString& name, const QString& base) {
    const QString parent = base.isEmpty() ? QDir::tempPath() : base;
    QByteArray pattern = QFile::encodeName(parent + QStringLiteral("/ravnsti-%1-XXXXXX").arg(name));
    if (!::mkdtemp(pattern.data())) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(parent));
        return;
    }
    m_path = QFile::decodeName(pattern);
    // Half the memory at most; tmpfs takes only what is written.
    m_mounted = ::geteuid() == 0 &&
                ::mount("tmpfs", pattern.constData(), "tmpfs", 0, "size=50%,mode=0755") == 0;
    const QString fs = fileSystem();
    std::printf("test data in %s on %s\n", qPrintable(m_path), qPrintable(fs));
    std::printf("FILESYSTEM\t%s\n", qPrintable(fs));
    std::fflush(stdout);
}

BenchFolder::~BenchFolder() {
    if (m_path.isEmpty())
        return;
    const QByteArray path = QFile::encodeName(m_path);
    if (m_mounted && ::umount(path.constData()) == 0)
        ::rmdir(path.constData());
    else
        Bench::run({QStringLiteral("/bin/rm"), QStringLiteral("-rf"), m_path});
}

QString BenchFolder::fileSystem() const {
    struct statfs info {};
    if (::statfs(QFile::encodeName(m_path).constData(), &info) != 0)
        return QStringLiteral("unknown file system");
    if (long(info.f_type) == kTmpfsMagic)
        return m_mounted ? QStringLiteral("tmpfs (RAM, mounted for this run)")
                         : QStringLiteral("tmpfs (RAM)");
    const QByteArray type = Bench::run({QStringLiteral("/usr/bin/stat"), QStringLiteral("-f"),
                                        QStringLiteral("-c"), QStringLiteral("%T"), m_path},
                                       QString(), true)
                                .output.trimmed();
    return type.isEmpty()
               ? QStringLiteral("disk")
               : QStringLiteral("%1 (disk, not a RAM file system)").arg(QString::fromLatin1(type));
}
