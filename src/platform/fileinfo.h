#pragma once

#include <QDateTime>
#include <QString>

enum class EntryKind { File, Folder, Link, Other };

// What the platform knows of one folder entry. Links are reported as links (never
// followed); `linkTarget` tells what a link points at.
struct FileInfo {
    QString name;         // the host name, shown as it is
    bool mappable = true; // false when the name has no logical form (operations refuse it)
    EntryKind kind = EntryKind::File;
    EntryKind linkTarget = EntryKind::Other; // for links: File, Folder or Other (dangling)
    qint64 size = 0;
    QDateTime created; // birth time where the file system records it, else the change time
    QDateTime modified;
    QDateTime accessed;
    bool readOnly = false;
    bool hidden = false;
    bool archive = false;
    bool system = false;

    bool isFolder() const { return kind == EntryKind::Folder; }
    bool isFile() const { return kind == EntryKind::File; }
};
