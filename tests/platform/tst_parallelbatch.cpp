// The runner that copies the files of one folder on helper threads: each entry once, the
// caller told of everything on its own thread, and a stop that reaches every thread.

#include "platform/parallelbatch.h"

#include <QSet>
#include <QTest>
#include <QThread>

#include <atomic>
#include <mutex>

namespace {

// What one run did, as the calling thread was told of it and as the copies saw it.
struct Log {
    std::mutex mutex;
    QList<qsizetype> begun;
    QHash<QThread*, QSet<int>> workers; // the worker numbers each thread was given
    QList<qsizetype> reported;
    QList<qint64> sizes;
    QList<FileError> errors;
    bool reportedElsewhere = false;

    void begin(qsizetype i, int worker = 0) {
        const std::lock_guard lock(mutex);
        begun.append(i);
        workers[QThread::currentThread()].insert(worker);
    }
    ParallelBatch::Done done(QThread* caller) {
        return [this, caller](qsizetype i, const FileResult& r, qint64 size) {
            reportedElsewhere = reportedElsewhere || QThread::currentThread() != caller;
            reported.append(i);
            sizes.append(size);
            errors.append(r.error());
            return true;
        };
    }
};

QList<qsizetype> sorted(QList<qsizetype> list) {
    std::sort(list.begin(), list.end());
    return list;
}

QList<qsizetype> upTo(qsizetype count) {
    QList<qsizetype> all;
    for (qsizetype i = 0; i < count; ++i)
        all.append(i);
    return all;
}

} // namespace

class TestParallelBatch : public QObject {
    Q_OBJECT

private slots:
    void everyEntryOnceResultsOnTheCallingThread_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("helpers");
        QTest::newRow("nothing") << 0 << 2;
        QTest::newRow("one entry, no helper needed") << 1 << 3;
        QTest::newRow("alone") << 40 << 0;
        QTest::newRow("one helper") << 200 << 1;
        QTest::newRow("three helpers") << 200 << 3;
    }
    // Odd entries fail; each entry's size and result reach the caller with its index.
    void everyEntryOnceResultsOnTheCallingThread() {
        QFETCH(int, count);
        QFETCH(int, helpers);
        Log log;
        QThread* const caller = QThread::currentThread();
        bool progressElsewhere = false;
        std::atomic<bool> helperBegun = helpers == 0 || count < 2;
        ParallelBatch::run(
            count, helpers,
            [&](qsizetype i, int worker, const CopyProgress& progress) {
                log.begin(i, worker);
                progress(0, 100 + i);
                // The caller's first job waits for a helper to take one; the helpers get a
                // share of the rest as the jobs take a while.
                if (worker > 0)
                    helperBegun = true;
                while (!helperBegun)
                    QThread::yieldCurrentThread();
                QThread::usleep(200);
                progress(100 + i, 100 + i);
                return i % 2 ? FileResult::failure(FileError::AccessDenied) : FileResult();
            },
            [&](qint64, qint64) {
                progressElsewhere = progressElsewhere || QThread::currentThread() != caller;
                return true;
            },
            log.done(caller));
        QCOMPARE(sorted(log.begun), upTo(count));
        QCOMPARE(sorted(log.reported), upTo(count));
        QVERIFY(!log.reportedElsewhere);
        QVERIFY(!progressElsewhere);
        for (qsizetype k = 0; k < log.reported.size(); ++k) {
            const qsizetype i = log.reported[k];
            QCOMPARE(log.sizes[k], 100 + i);
            QCOMPARE(log.errors[k], i % 2 ? FileError::AccessDenied : FileError::None);
        }
        QCOMPARE(log.workers.size() > 1, count > 1 && helpers > 0);
        // Each thread has a number of its own, the calling thread 0.
        QSet<int> numbers;
        for (auto it = log.workers.cbegin(); it != log.workers.cend(); ++it) {
            QCOMPARE(it.value().size(), 1);
            const int worker = *it.value().begin();
            QCOMPARE(worker == 0, it.key() == caller);
            QVERIFY(worker <= helpers && !numbers.contains(worker));
            numbers.insert(worker);
        }
    }

    // Stopped from the calling thread while a helper is in the middle of a job: the helper's
    // job is cancelled, nothing more is begun, and what was begun is reported.
    void stopReachesTheHelpers() {
        Log log;
        runWithAHelperThatGoesOn(log, 1000,
                                 [calls = 0](qint64, qint64) mutable { return ++calls < 3; });
        QVERIFY(log.begun.size() < 1000);
        QCOMPARE(sorted(log.reported), sorted(log.begun));
        QVERIFY(log.errors.contains(FileError::Cancelled));
    }

    // The calling thread, done with its share, shows the job a helper is still doing, and
    // can stop it from there.
    void waitingCallerShowsAndStopsTheHelpersJob() {
        Log log;
        QList<QPair<qint64, qint64>> seen;
        runWithAHelperThatGoesOn(log, 50, [&](qint64 done, qint64 total) {
            seen.append({done, total});
            return total != 777;
        });
        QVERIFY(seen.contains(qMakePair(qint64(7), qint64(777))));
        QCOMPARE(sorted(log.reported), upTo(50));
        QCOMPARE(log.errors.count(FileError::Cancelled), 1);
    }

private:
    // Runs `count` jobs with one helper, whose job reports (7, 777) until it is told to stop
    // and then counts as cancelled. The calling thread's jobs wait for it to be under way,
    // then end at once (cancelled when their progress is answered with a stop).
    static void runWithAHelperThatGoesOn(Log& log, qsizetype count, const CopyProgress& progress) {
        QThread* const caller = QThread::currentThread();
        std::atomic<bool> helperUnderWay = false;
        ParallelBatch::run(
            count, 1,
            [&](qsizetype i, int worker, const CopyProgress& goOn) {
                log.begin(i, worker);
                if (worker == 0) {
                    while (!helperUnderWay)
                        QThread::yieldCurrentThread();
                    return goOn(0, 1) ? FileResult() : FileResult::failure(FileError::Cancelled);
                }
                helperUnderWay = true;
                while (goOn(7, 777))
                    QThread::yieldCurrentThread();
                return FileResult::failure(FileError::Cancelled);
            },
            progress, log.done(caller));
    }
};

QTEST_GUILESS_MAIN(TestParallelBatch)
#include "tst_parallelbatch.moc"
