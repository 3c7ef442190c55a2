// Gives a folder a ".hidden" file of arbitrary bytes, lists the folder and hides or shows a
// file in it. The listing must agree with the list of names, and a change must touch only
// the lines of the file changed.
//
// Input: one byte (bit 0: hide rather than show), then the ".hidden" file.
#include "fuzzsupport.h"

#include "platform/platform.h"

#include <QFile>
#include <QSet>

using FuzzSupport::require;

namespace {

// The lines of a ".hidden" file that name something other than `name`, as it stores them.
QList<QByteArray> otherLines(const QByteArray& bytes, const QByteArray& name) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    lines.removeIf([&](const QByteArray& line) {
        return line == name || line == name + '\r' || line.trimmed().isEmpty();
    });
    return lines;
}

bool listedHidden(const QByteArray& bytes, const QByteArray& name) {
    for (const QByteArray& line : bytes.split('\n'))
        if (line == name || line == name + '\r')
            return true;
    return false;
}

const FileInfo* entry(const QList<FileInfo>& entries, const QString& name) {
    for (const FileInfo& e : entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_hidden", false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool hide = data[0] & 1;
    const QByteArray before = FuzzSupport::bytesOf(data + 1, size - 1);
    const QString folder = *Platform::hostPath(QStringLiteral("C:\\"));
    FuzzSupport::writeHost(folder + QStringLiteral("/a.txt"), "a");
    FuzzSupport::writeHost(folder + QStringLiteral("/b.txt"), "b");
    FuzzSupport::writeHost(folder + QStringLiteral("/.hidden"), before);

    FileSystem& fs = Platform::files();
    QList<FileInfo> entries;
    require(bool(fs.list(QStringLiteral("C:"), entries)), "the folder is listed");
    for (const char* name : {"a.txt", "b.txt"})
        require(entry(entries, QLatin1String(name))->hidden == listedHidden(before, name),
                "a file is hidden exactly when a line names it");

    const FileResult changed = fs.setHidden(QStringLiteral("C:\\a.txt"), hide);
    require(bool(changed), "a small list of names can be changed");
    QFile file(folder + QStringLiteral("/.hidden"));
    const QByteArray after = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    require(otherLines(after, "a.txt") == otherLines(before, "a.txt"),
            "the other lines stay as they were");
    require(fs.info(QStringLiteral("C:\\a.txt"))->hidden == hide, "the file is as asked");
    require(fs.info(QStringLiteral("C:\\b.txt"))->hidden == listedHidden(before, "b.txt"),
            "another file stays as it was");
    return 0;
}
