#pragma once

#include "fileidentity.h"
#include "fileinfo.h"
#include "fileresult.h"
#include "logicalpath.h"
#include "openfolder.h"

#include <QIODevice>
#include <QList>
#include <functional>
#include <memory>
#include <optional>

// Receives bytes done and bytes in all while a file is copied; returning false cancels.
using CopyProgress = std::function<bool(qint64 done, qint64 total)>;
// Receives what became of one entry of a batch of copies: its index, the result and its size.
using CopyDone = std::function<void(qsizetype index, const FileResult& result, qint64 size)>;

enum class ReplaceMode { Refuse, Replace };

// How much of each entry a listing fills in beyond what a tree needs (name, mappable, kind,
// link target, hidden): Sizes adds the size of files, which a count needs; Full adds the
// times, read-only, archive and system. The less, the cheaper.
enum class ListDetail { Names, Sizes, Full };
// ByName: in name order (nameorder.h). AsStored: in the file system's own order, for walks
// that sort what they find themselves or need no order.
enum class ListOrder { ByName, AsStored };

// Files and folders, addressed by logical paths. Nothing here descends through a
// symbolic link, and FIFOs and devices are never opened for reading.
//
// A paste copies, and the text search reads, several files at a time on helper threads
// (ParallelBatch): copyFile() of open folders, openFolder() without `create` and the two
// openForReading() must be safe to call on several threads at once. The rest is called on
// the main thread.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Entries of a folder, hidden ones included, "." and ".." not. Every entry has its name,
    // mappable, kind, link target and hidden flag; `detail` says what more is filled in.
    virtual FileResult list(const QString& folder, QList<FileInfo>& entries, ListDetail detail,
                            ListOrder order) const = 0;
    // Every detail, in name order.
    FileResult list(const QString& folder, QList<FileInfo>& entries) const {
        return list(folder, entries, ListDetail::Full, ListOrder::ByName);
    }
    // The entry itself (a link is described, not followed); nullopt when it does not exist.
    virtual std::optional<FileInfo> info(const QString& path) const = 0;
    // The file the path leads to (links followed); nullopt when there is none.
    virtual std::optional<FileIdentity> identity(const QString& path) const = 0;
    // An existing folder, or a link to one.
    virtual bool isFolder(const QString& path) const = 0;
    virtual bool exists(const QString& path) const = 0;
    // An existing path that is no folder (an empty path is none).
    bool isFile(const QString& path) const {
        return !path.isEmpty() && exists(path) && !isFolder(path);
    }
    // True when `path` is `folder` itself or lies below it, also when a link on the way
    // leads there. Without links to resolve, the logical paths decide.
    virtual bool isSameOrInside(const QString& path, const QString& folder) const {
        return LogicalPath::isSameOrBelow(path, folder);
    }
    // True when the existing `path`, with every link on its way followed, leads to the place
    // `folder` leads to or below it: a link inside the folder that points out of it does not
    // count. Without links to follow, the logical paths decide.
    virtual bool leadsInside(const QString& path, const QString& folder) const {
        return exists(path) && LogicalPath::isSameOrBelow(LogicalPath::withoutDots(path), folder);
    }

    // The bytes of a regular file (or a link to one), at most `maxBytes` of them; a larger
    // file is InvalidData. FIFOs and devices are refused without being opened for reading.
    virtual FileResult readFile(const QString& path, QByteArray& bytes, qint64 maxBytes) const = 0;
    // A regular file (or a link to one) opened for reading in large parts (unbuffered), for
    // files too large to hold whole; null, with the reason in `result`, for anything else.
    // FIFOs and devices are refused as by readFile().
    virtual std::unique_ptr<QIODevice> openForReading(const QString& path,
                                                      FileResult& result) const = 0;

    // Replaces the regular file at `path` (or a link to one, whose target is replaced), or
    // makes it, whole and atomically: a failure leaves the old file byte for byte as it was.
    // The old file's permissions are kept; a file its owner may not write is AccessDenied,
    // and a folder, FIFO or device in the way is NotSupported.
    virtual FileResult writeFile(const QString& path, const QByteArray& bytes) = 0;

    // Copies one file (a link as a link) through a temporary name in the target folder,
    // so a failure never leaves a truncated target nor touches an existing one. Keeps the
    // mode and the modification time. Refuses to copy a file onto itself.
    virtual FileResult copyFile(const QString& source, const QString& target, ReplaceMode mode,
                                const CopyProgress& progress = {}) = 0;

    // A tree is copied through open folders: each folder is looked up once, and each entry
    // in it is reached relative to it, never through a link put in its place meanwhile.
    //
    // Opens the folder at `path`; its last part must be a folder itself, not a link to one
    // (links on the way there are followed, as the user went that way). With `create` a
    // missing folder is made first, with all missing levels, and an entry of another kind in
    // its place is AlreadyExists.
    virtual FileResult openFolder(const QString& path, bool create,
                                  std::unique_ptr<OpenFolder>& folder) = 0;
    // The same for the entry `name` of an open folder; a link or file in its place is
    // NotSupported (AlreadyExists with `create`).
    virtual FileResult openSubfolder(const OpenFolder& parent, const QString& name, bool create,
                                     std::unique_ptr<OpenFolder>& folder) = 0;
    // The file `name` of an open folder, opened as openForReading() opens a path: a link at
    // the name is followed, and anything but a regular file is refused. A search through
    // many files of one folder looks the folder up once. `kind` is what a listing of the
    // folder said the entry is: a File is opened at once and looked at through its
    // descriptor, which saves looking it up twice; anything else is looked at first. (Only a
    // device put in a listed file's place since the listing is opened before it is refused,
    // as when copyFile() copies what a listing saw; a FIFO never blocks the open.)
    virtual std::unique_ptr<QIODevice> openForReading(const OpenFolder& folder, const QString& name,
                                                      EntryKind kind, FileResult& result) const = 0;
    // The entries of an open folder, as list() gives them.
    virtual FileResult list(const OpenFolder& folder, QList<FileInfo>& entries, ListDetail detail,
                            ListOrder order) const = 0;
    // Copies `entry`, as a listing of the open folder `from` described it, to `name` in the
    // open folder `to`, as copyFile() does with paths.
    virtual FileResult copyFile(const OpenFolder& from, const FileInfo& entry, const OpenFolder& to,
                                const QString& name, ReplaceMode mode,
                                const CopyProgress& progress = {}) = 0;
    // Copies `entries` (files and links, as a listing of `from` described them) to the same
    // names in `to`, each as copyFile() copies one, several at a time where that is faster.
    // `progress` and `done` are called on the calling thread only: `progress` for the file
    // being copied, `done` once for each entry begun, in the order they end. Once `progress`
    // answers false no entry more is begun, and those under way are cancelled; entries never
    // begun are not reported.
    virtual void copyFiles(const OpenFolder& from, const QList<FileInfo>& entries,
                           const OpenFolder& to, ReplaceMode mode, const CopyProgress& progress,
                           const CopyDone& done) = 0;

    // Renames or moves within one file system; never replaces an existing target.
    virtual FileResult rename(const QString& source, const QString& target) = 0;
    virtual FileResult makeFolder(const QString& path) = 0;   // with all missing levels
    virtual FileResult removeFile(const QString& path) = 0;   // files and links
    virtual FileResult removeFolder(const QString& path) = 0; // an empty folder
    // A folder with everything in it; links inside are removed, never followed.
    virtual FileResult removeTree(const QString& path) = 0;

    virtual FileResult setReadOnly(const QString& path, bool readOnly) = 0;
    virtual FileResult setHidden(const QString& path, bool hidden) = 0;
};
