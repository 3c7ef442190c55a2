// Gives a file a "user.DOSATTRIB" extended attribute of arbitrary bytes and lists it. The
// archive and system flags must be those of samba's "0x" hex form when the value has one,
// and false otherwise.
#include "fuzzsupport.h"

#include "platform/platform.h"

#include <QFile>
#include <sys/xattr.h>

using FuzzSupport::require;

namespace {

// The flags a value gives: a "0x" hex number, ended by a NUL byte or the value's end.
std::optional<uint> referenceFlags(QByteArray value) {
    value.truncate(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0'));
    value = value.trimmed();
    if (!value.startsWith("0x") && !value.startsWith("0X"))
        return std::nullopt;
    bool ok = false;
    const uint flags = value.mid(2).toUInt(&ok, 16);
    return ok ? std::optional<uint>(flags) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_dosattrib", false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString file = *Platform::hostPath(QStringLiteral("C:\\attr.txt"));
    FuzzSupport::writeHost(file, "x");
    const QByteArray path = QFile::encodeName(file);
    if (::setxattr(path.constData(), "user.DOSATTRIB", data, size, 0) != 0)
        return 0; // longer than the file system holds
    QList<FileInfo> entries;
    require(bool(Platform::files().list(QStringLiteral("C:"), entries)) && entries.size() == 1,
            "the file is listed");
    const std::optional<uint> flags = referenceFlags(FuzzSupport::bytesOf(data, size));
    require(entries.first().archive == (flags && (*flags & 0x20)), "archive as the value says");
    require(entries.first().system == (flags && (*flags & 0x4)), "system as the value says");
    require(Platform::files().info(QStringLiteral("C:\\attr.txt"))->archive ==
                entries.first().archive,
            "a single entry tells the same");
    return 0;
}
