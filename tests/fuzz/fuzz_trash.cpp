// Plants info files of arbitrary names and contents in the home trash, beside one item
// trashed from C: and one from D:, then empties the trash of D:. The item from C: must
// survive with its info file, the trash's own folders must stay, D:'s item must go.
//
// Input: records separated by NUL bytes, each an info file's name, a 0x01 byte and its
// contents; "@C" and "@D" in the contents stand for the host folders of the drives. A record
// whose name ends in ".trashinfo" also gets an entry of that name in files/.
#include "fuzzsupport.h"

#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

using FuzzSupport::require;

namespace {

QString trash() {
    return FuzzSupport::folder() + QStringLiteral("/data/Trash");
}

QString host(QChar drive) {
    return Platform::drives().drive(drive)->hostRoot;
}

// Writes a planted file under its name's own bytes: a name that is not UTF-8 would grow past
// the longest name a folder holds if it went through a QString (each bad byte becoming the
// three of U+FFFD), and the harness would then fail on its own writing.
void plant(const QByteArray& hostPath, const QByteArray& contents) {
    const int fd = ::open(hostPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written = fd >= 0 && ::write(fd, contents.constData(), size_t(contents.size())) ==
                                        ssize_t(contents.size());
    if (fd >= 0)
        ::close(fd);
    require(written, "a planted file of the trash can be written");
}

// Through the name's bytes as well, so that no planted name outlives its run.
void clearFolder(const QString& path) {
    const std::filesystem::path folder(QFile::encodeName(path).toStdString());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder, ignored);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_trash", false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    clearFolder(host('C'));
    clearFolder(host('D'));
    clearFolder(trash());
    FuzzSupport::writeHost(host('C') + QStringLiteral("/keep.txt"), "c");
    FuzzSupport::writeHost(host('D') + QStringLiteral("/d.txt"), "d");
    require(bool(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\keep.txt"))) &&
                bool(Platform::recycleBin().moveToTrash(QStringLiteral("D:\\d.txt"))),
            "both items go to the trash");

    const QByteArray info = QFile::encodeName(trash() + QStringLiteral("/info/"));
    const QByteArray files = QFile::encodeName(trash() + QStringLiteral("/files/"));
    for (const QByteArray& record : FuzzSupport::bytesOf(data, size).split('\0')) {
        const qsizetype cut = record.indexOf('\x01');
        QByteArray name = record.left(cut < 0 ? record.size() : cut);
        name.replace('/', '_');
        if (name.isEmpty() || name == "." || name == ".." || name.size() > 200 ||
            name == "keep.txt.trashinfo" || name == "d.txt.trashinfo")
            continue; // the two real items keep their own info files
        QByteArray contents = cut < 0 ? QByteArray() : record.mid(cut + 1);
        contents.replace("@C", QFile::encodeName(host('C')));
        contents.replace("@D", QFile::encodeName(host('D')));
        plant(info + name, contents);
        const QByteArray stem = name.chopped(qMin<qsizetype>(name.size(), 10));
        if (name.endsWith(".trashinfo") && !stem.isEmpty() && stem != "." && stem != ".." &&
            stem != "keep.txt")
            plant(files + stem, "planted");
    }

    Platform::recycleBin().hasItems('D');
    // A planted entry may be refused with a message; what must go and stay is checked below.
    static_cast<void>(Platform::recycleBin().emptyDrive('D'));
    require(QFileInfo(trash() + QStringLiteral("/files")).isDir() &&
                QFileInfo(trash() + QStringLiteral("/info")).isDir(),
            "the trash keeps its own folders");
    QFile kept(trash() + QStringLiteral("/files/keep.txt"));
    require(kept.open(QIODevice::ReadOnly) && kept.readAll() == "c",
            "the item trashed from C: survives");
    require(QFileInfo::exists(trash() + QStringLiteral("/info/keep.txt.trashinfo")),
            "its info file survives");
    require(!QFileInfo::exists(trash() + QStringLiteral("/files/d.txt")) ||
                !QFileInfo::exists(trash() + QStringLiteral("/info/d.txt.trashinfo")),
            "the item trashed from D: goes");
    require(QFileInfo::exists(host('C')) && QFileInfo::exists(host('D')), "the drives stay");
    return 0;
}
