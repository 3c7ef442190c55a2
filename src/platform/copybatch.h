#pragma once

#include "filesystem.h"

// Runs the copies of a batch of files on the calling thread and on helper threads at once.
// A small file costs the kernel more in looking up names and making entries than in moving
// its bytes, and that work goes on side by side on several processors.
namespace CopyBatch {

// Copies the entry `index` of the batch, reporting through `progress`; called on several
// threads at once.
using CopyOne = std::function<FileResult(qsizetype index, const CopyProgress& progress)>;

// How many helper threads a batch may use on this machine: one fewer than it has
// processors, and no more than three.
int helpers();

// Copies the entries 0 to count - 1 with `copyOne`, on the calling thread and on up to
// `helpers` threads kept for batches, each entry once. `progress` and `done` are called on
// the calling thread only, as FileSystem::copyFiles() promises: `progress` for its own
// files and, while it waits for the helpers, for a helper's file.
void run(qsizetype count, int helpers, const CopyOne& copyOne, const CopyProgress& progress,
         const CopyDone& done);

// Does what FileSystem::copyFiles() promises through the copyFile() of `files`, which must
// be safe to call on several threads at once where `helpers` is more than 0.
void copyFiles(FileSystem& files, const OpenFolder& from, const QList<FileInfo>& entries,
               const OpenFolder& to, ReplaceMode mode, int helpers, const CopyProgress& progress,
               const CopyDone& done);

} // namespace CopyBatch
