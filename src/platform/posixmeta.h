#pragma once

#include "fileinfo.h"

#include <QByteArray>
#include <QDateTime>

#include <sys/stat.h>
#include <sys/types.h>

namespace PosixIo {

// What a stat call tells of an entry.
struct Meta {
    mode_t mode = 0;
    dev_t dev = 0;
    ino_t ino = 0;
    uid_t uid = 0;
    qint64 size = 0;
    timespec atime{};
    timespec mtime{};
    timespec ctime{};
    timespec btime{};
    bool hasBirth = false;

    bool sameInode(const Meta& other) const { return dev == other.dev && ino == other.ino; }
};

// statx (for the birth time) where the kernel has it, else fstatat. `name` empty: the
// descriptor itself. Returns 0 or the errno value.
int statAt(int dirfd, const char* name, bool follow, Meta& m);
// The entry itself (a link is not followed) and the entry a path leads to.
int lstatPath(const QByteArray& path, Meta& m);
int statPath(const QByteArray& path, Meta& m);

EntryKind kindOf(mode_t mode);
QDateTime toDateTime(const timespec& ts);

} // namespace PosixIo
