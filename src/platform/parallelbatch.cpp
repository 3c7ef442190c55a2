#include "parallelbatch.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kMostHelpers = 3;
// While the calling thread waits for its helpers, it shows their progress this often.
constexpr auto kWaitSlice = std::chrono::milliseconds(50);

// The helper threads, kept between batches: a paste copies folder after folder.
struct HelperThreads : QThreadPool {
    HelperThreads() { setMaxThreadCount(kMostHelpers); }
};

// One batch, as its threads share it. The helpers hold it too, so it lasts until the last
// of them has let go of its lock.
struct Batch {
    struct Finished {
        qsizetype index;
        FileResult result;
        qint64 size;
    };

    Batch(qsizetype count, int helpers, const ParallelBatch::Job& job)
        : count(count), job(job), running(helpers) {}

    // The next job to begin, or -1 when none is left or the batch was stopped.
    qsizetype take() {
        if (stop)
            return -1;
        const qsizetype i = next++;
        return i < count ? i : -1;
    }

    // A helper's work: jobs until none is left, each result kept for the calling thread.
    void help(int worker) {
        for (qsizetype i; (i = take()) >= 0;) {
            qint64 size = 0;
            FileResult r = job(i, worker, [this, &size](qint64 done, qint64 total) {
                size = total;
                helperProgress = done;
                helperTotal = total;
                return !stop;
            });
            const std::lock_guard lock(mutex);
            finished.push_back({i, std::move(r), size});
            changed.notify_one();
        }
        const std::lock_guard lock(mutex);
        --running;
        changed.notify_one();
    }

    // Reports to `done` what the helpers finished, after waiting a while for news when
    // `wait`; true when every helper has ended.
    bool report(const ParallelBatch::Done& done, bool wait) {
        std::vector<Finished> news;
        bool ended = false;
        {
            std::unique_lock lock(mutex);
            if (wait)
                changed.wait_for(lock, kWaitSlice,
                                 [this] { return !finished.empty() || running == 0; });
            news.swap(finished);
            ended = running == 0;
        }
        for (const Finished& f : news)
            if (!done(f.index, f.result, f.size))
                stop = true;
        return ended;
    }

    const qsizetype count;
    const ParallelBatch::Job& job;
    std::atomic<qsizetype> next = 0;
    std::atomic<bool> stop = false;
    // Where a helper's job has come, for the calling thread to show while it waits.
    std::atomic<qint64> helperProgress = 0;
    std::atomic<qint64> helperTotal = 0;

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Finished> finished; // by the helpers and not yet reported
    int running;                    // helpers not yet ended
};

} // namespace

namespace ParallelBatch {

int helpers() {
    return std::clamp(QThread::idealThreadCount() - 1, 0, kMostHelpers);
}

void run(qsizetype count, int helpers, const Job& job, const CopyProgress& progress,
         const Done& done) {
    static HelperThreads threads;
    // A forked child has none of its parent's threads, though the pool thinks it has: there
    // the calling thread works alone.
    static const pid_t owner = ::getpid();
    if (::getpid() != owner)
        helpers = 0;
    helpers = int(std::clamp<qsizetype>(std::min<qsizetype>(helpers, count - 1), 0, kMostHelpers));
    const auto batch = std::make_shared<Batch>(count, helpers, job);
    for (int worker = 1; worker <= helpers; ++worker)
        threads.start([batch, worker] { batch->help(worker); });

    for (qsizetype i; (i = batch->take()) >= 0;) {
        qint64 size = 0;
        const FileResult r = job(i, 0, [&](qint64 doneBytes, qint64 total) {
            size = total;
            if (!batch->stop && progress && !progress(doneBytes, total))
                batch->stop = true;
            return !batch->stop;
        });
        if (!done(i, r, size))
            batch->stop = true;
        batch->report(done, false);
    }
    while (!batch->report(done, true))
        if (!batch->stop && progress && !progress(batch->helperProgress, batch->helperTotal))
            batch->stop = true;
}

void copyFiles(FileSystem& files, const OpenFolder& from, const QList<FileInfo>& entries,
               const OpenFolder& to, ReplaceMode mode, int helpers, const CopyProgress& progress,
               const CopyDone& done) {
    run(
        entries.size(), helpers,
        [&](qsizetype i, int, const CopyProgress& p) {
            return files.copyFile(from, entries[i], to, entries[i].name, mode, p);
        },
        progress,
        [&done](qsizetype i, const FileResult& r, qint64 size) {
            done(i, r, size);
            return true;
        });
}

} // namespace ParallelBatch
