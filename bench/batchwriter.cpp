#include "bench/batchwriter.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>

namespace {

// Statements per commit: large transactions, but not so large that the undo log grows
// without bound on the biggest tables.
constexpr size_t statementsPerCommit = 100;

// A job smaller than this is not worth a connection of its own.
constexpr size_t minStatementsPerJob = 8;

std::atomic<int> connectionCounter{0};

} // namespace

BatchWriter::BatchWriter(const BenchServer &server, const QString &database, int connections)
    : server(server), database(database), connections(std::max(1, connections))
{
}

void BatchWriter::setProgress(const std::function<void(const QString &)> &callback)
{
    progress = callback;
}

QString BatchWriter::error() const
{
    return firstError;
}

bool BatchWriter::write(const std::vector<const InsertBatch *> &batches)
{
    std::map<int, std::vector<const InsertBatch *>> levels;
    for (const InsertBatch *batch : batches)
        levels[batch->level].push_back(batch);
    for (const auto &level : levels) {
        if (!writeLevel(level.second))
            return false;
    }
    return true;
}

bool BatchWriter::writeLevel(const std::vector<const InsertBatch *> &batches)
{
    std::vector<Job> jobs;
    std::map<const InsertBatch *, int> partsLeft;
    for (const InsertBatch *batch : batches) {
        const size_t count = batch->statements.size();
        if (count == 0)
            continue;
        size_t parts = batch->inOrder ? 1 : std::min<size_t>(connections, std::max<size_t>(1, count / minStatementsPerJob));
        for (size_t part = 0; part < parts; ++part)
            jobs.push_back(Job{batch, count * part / parts, count * (part + 1) / parts});
        partsLeft[batch] = int(parts);
    }
    if (jobs.empty())
        return true;
    std::stable_sort(jobs.begin(), jobs.end(),
                     [](const Job &a, const Job &b) { return a.end - a.begin > b.end - b.begin; });

    std::atomic<size_t> nextJob{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    QElapsedTimer clock;
    clock.start();

    auto fail = [&](const QString &message) {
        std::lock_guard<std::mutex> lock(mutex);
        if (firstError.isEmpty())
            firstError = message;
        failed = true;
    };
    auto jobDone = [&](const InsertBatch *batch) {
        std::lock_guard<std::mutex> lock(mutex);
        if (--partsLeft[batch] == 0 && progress)
            progress(QStringLiteral("  %1 %2 rows in %3 s")
                         .arg(batch->table, -28)
                         .arg(batch->rows, 8)
                         .arg(clock.elapsed() / 1000.0, 0, 'f', 1));
    };

    auto work = [&]() {
        const QString name = QStringLiteral("benchwriter%1").arg(++connectionCounter);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
            db.setHostName(server.host);
            db.setPort(server.port);
            db.setUserName(server.user);
            db.setPassword(server.password);
            db.setDatabaseName(database);
            if (!db.open()) {
                fail(db.lastError().text());
            } else {
                QSqlQuery query(db);
                query.exec(QStringLiteral("SET NAMES utf8mb4"));
                for (size_t index = nextJob++; index < jobs.size() && !failed; index = nextJob++) {
                    const Job &job = jobs[index];
                    bool ok = db.transaction();
                    for (size_t i = job.begin; ok && i < job.end && !failed; ++i) {
                        ok = query.exec(QString::fromStdString(job.batch->statements[i]));
                        if (ok && (i - job.begin + 1) % statementsPerCommit == 0)
                            ok = db.commit() && db.transaction();
                    }
                    ok = ok && db.commit();
                    if (!ok) {
                        const QSqlError error = query.lastError().isValid() ? query.lastError() : db.lastError();
                        fail(QStringLiteral("%1: %2").arg(job.batch->table, error.text()));
                        db.rollback();
                        break;
                    }
                    jobDone(job.batch);
                }
                query.clear();
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(name);
    };

    const int threadCount = int(std::min<size_t>(connections, jobs.size()));
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i)
        threads.emplace_back(work);
    for (std::thread &thread : threads)
        thread.join();
    return !failed;
}
