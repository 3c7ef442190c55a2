#pragma once

#include <QtGlobal>

// Which file a path leads to, whatever name reached it: two paths with the same identity
// (a link and its target, two hard links, another spelling of a folder) are one file.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
