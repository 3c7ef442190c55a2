#pragma once

#include "filesystem.h"

// Runs a batch of jobs on the calling thread and on helper threads at once: the files of a
// folder to copy, the subfolders of a tree to remove. A small file costs the kernel more in
// looking up names and making or removing entries than in moving its bytes, and that work
// goes on side by side on several processors, above all in different folders.
namespace ParallelBatch {

// Does the job `index` of the batch, reporting through `progress`, whose false answer asks
// it to stop; called on several threads at once. `worker` tells which thread: 0 the calling
// one, 1 to `helpers` the helpers, so that each may keep state of its own.
using Job = std::function<FileResult(qsizetype index, int worker, const CopyProgress& progress)>;
// Receives what became of a job: its index, its result and the total its progress last gave.
// False stops the batch, as a false answer of the progress does.
using Done = std::function<bool(qsizetype index, const FileResult& result, qint64 size)>;

// How many helper threads a batch may use on this machine: one fewer than it has
// processors, and no more than three.
int helpers();

// Does the jobs 0 to count - 1, on the calling thread and on up to `helpers` threads kept
// for batches, each job once. `progress` and `done` are called on the calling thread only:
// `progress` for its own jobs and, while it waits for the helpers, for a helper's job;
// `done` once for each job begun, in the order they end. Once `progress` or `done` answers
// false no job more is begun, `progress` is not asked again, and the progress of the jobs
// under way answers false; jobs never begun are not reported.
void run(qsizetype count, int helpers, const Job& job, const CopyProgress& progress,
         const Done& done);

// Does what FileSystem::copyFiles() promises through the copyFile() of `files`, which must
// be safe to call on several threads at once where `helpers` is more than 0.
void copyFiles(FileSystem& files, const OpenFolder& from, const QList<FileInfo>& entries,
               const OpenFolder& to, ReplaceMode mode, int helpers, const CopyProgress& progress,
               const CopyDone& done);

} // namespace ParallelBatch
