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
    CopyDone done(QThread* caller) {
        return [this, caller](qsizetype i, const FileResult& r, qint64 size) {
            reportedElsewhere = reportedElsewhere || QThread::currentThread() != caller;
            reported.append(i);
            sizes.append(size);
            errors.append(r.error());
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

    // Stopped from the calling thread while a helper is in the middle of a file: the helper's
    // file is cancelled, nothing more is begun, and what was begun is reported.
    void stopReachesTheHelpers() {
        Log log;
        QThread* const caller = QThread::currentThread();
        std::atomic<bool> helperUnderWay = false;
        std::atomic<bool> helperCancelled = false;
        ParallelBatch::run(
            1000, 1,
            [&](qsizetype i, int, const CopyProgress& progress) {
                log.begin(i);
                if (QThread::currentThread() == caller) {
                    // The caller's files wait for the helper to be under way with one.
                    while (!helperUnderWay)
                        QThread::yieldCurrentThread();
                    return progress(0, 1) ? FileResult()
                                          : FileResult::failure(FileError::Cancelled);
                }
                helperUnderWay = true;
                while (progress(1, 2))
                    QThread::yieldCurrentThread();
                helperCancelled = true;
                return FileResult::failure(FileError::Cancelled);
            },
            [calls = 0](qint64, qint64) mutable { return ++calls < 3; }, log.done(caller));
        QVERIFY(helperCancelled);
        QVERIFY(log.begun.size() < 1000);
        QCOMPARE(sorted(log.reported), sorted(log.begun));
        QVERIFY(log.errors.contains(FileError::Cancelled));
    }

    // The calling thread, done with its share, shows the file a helper is still copying,
    // and can stop it from there.
    void waitingCallerShowsAndStopsTheHelpersFile() {
        Log log;
        QThread* const caller = QThread::currentThread();
        std::atomic<bool> helperUnderWay = false;
        QList<QPair<qint64, qint64>> seen;
        ParallelBatch::run(
            50, 1,
            [&](qsizetype i, int, const CopyProgress& progress) {
                log.begin(i);
                if (QThread::currentThread() == caller) {
                    while (!helperUnderWay)
                        QThread::yieldCurrentThread();
                    return FileResult();
                }
                // The helper's file goes on until it is stopped.
                helperUnderWay = true;
                while (progress(7, 777))
                    QThread::yieldCurrentThread();
                return FileResult::failure(FileError::Cancelled);
            },
            [&](qint64 done, qint64 total) {
                seen.append({done, total});
                return total != 777;
            },
            log.done(caller));
        QVERIFY(seen.contains(qMakePair(qint64(7), qint64(777))));
        QCOMPARE(sorted(log.reported), sorted(log.begun));
        QCOMPARE(log.errors.count(FileError::Cancelled), 1);
    }
};

QTEST_GUILESS_MAIN(TestParallelBatch)
#include "tst_parallelbatch.moc"
