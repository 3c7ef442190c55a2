// Drops arbitrary "text/uri-list" data: every path taken must be a logical path of a drive
// that leads back to the host file the URI names.
#include "fuzzsupport.h"

#include "platform/platform.h"
#include "shared/treedragdrop.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_urilist", true, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QMimeData mime;
    mime.setData(QStringLiteral("text/uri-list"), FuzzSupport::bytesOf(data, size));
    const QStringList paths = TreeDragDrop::droppedPaths(mime);
    QStringList hosts;
    for (const QUrl& url : mime.urls())
        if (url.isLocalFile())
            hosts.append(QDir::cleanPath(url.toLocalFile()));
    require(paths.size() <= hosts.size(), "only local files are taken");
    for (const QString& path : paths) {
        const std::optional<QString> host = Platform::hostPath(path);
        require(host && hosts.contains(*host), "a path taken leads to a file dropped");
        require(Platform::logicalPath(*host) == path, "and that file has this logical path");
    }
    return 0;
}
