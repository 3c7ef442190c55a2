#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// A folder's ".hidden" file, the desktop's list of names (one per line) shown as hidden.
// It is read only when it is a regular file of at most 4 MiB, never waiting on a FIFO, and
// written whole and atomically.
namespace HiddenList {

// The names of the list of the folder open as `dirfd` (or given by host path), as host
// bytes; empty when there is no usable list.
QSet<QByteArray> names(int dirfd);
QSet<QByteArray> namesOf(const QByteArray& folder);

// Adds `name` to the list of host folder `folder`, or takes it out; a list left with no
// names is removed. `path` is the entry's logical path, for messages.
FileResult setListed(const QByteArray& folder, const QByteArray& name, bool listed,
                     const QString& path);

} // namespace HiddenList
