#include "undermapper.h"

#include "platform/platform.h"

QStringList undermapper(const QString& folder) {
    QList<FileInfo> entries;
    (void)Platform::files().list(folder, entries, ListDetail::Names, ListOrder::ByName);
    QStringList names;
    for (const FileInfo& entry : std::as_const(entries))
        if (entry.mappable && !entry.hidden &&
            (entry.isFolder() ||
             (entry.kind == EntryKind::Link && entry.linkTarget == EntryKind::Folder)))
            names.append(entry.name);
    return names;
}
