#include "dosattrib.h"

#include <cerrno>

#include <sys/xattr.h>

namespace {

constexpr const char* kDosAttrib = "user.DOSATTRIB";
constexpr unsigned kDosArchive = 0x20;
constexpr unsigned kDosSystem = 0x4;

} // namespace

namespace DosAttrib {

void read(const QByteArray& path, FileInfo& info, bool& supported) {
    if (!supported)
        return;
    QByteArray value(256, Qt::Uninitialized);
    ssize_t n = ::lgetxattr(path.constData(), kDosAttrib, value.data(), size_t(value.size()));
    if (n < 0 && errno == ERANGE) {
        const ssize_t needed = ::lgetxattr(path.constData(), kDosAttrib, nullptr, 0);
        if (needed > 0 && needed < (1 << 16)) {
            value.resize(needed);
            n = ::lgetxattr(path.constData(), kDosAttrib, value.data(), size_t(value.size()));
        }
    }
    if (n < 0) {
        if (errno == ENOTSUP)
            supported = false;
        return;
    }
    value.truncate(n);
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    value = value.trimmed();
    if (!value.startsWith("0x") && !value.startsWith("0X"))
        return;
    bool ok = false;
    const uint flags = value.mid(2).toUInt(&ok, 16);
    if (!ok)
        return;
    info.archive = (flags & kDosArchive) != 0;
    info.system = (flags & kDosSystem) != 0;
}

bool copy(int in, int out) {
    char value[512];
    const ssize_t n = ::fgetxattr(in, kDosAttrib, value, sizeof value);
    if (n > 0)
        ::fsetxattr(out, kDosAttrib, value, size_t(n), 0);
    return n >= 0 || errno != ENOTSUP;
}

} // namespace DosAttrib
