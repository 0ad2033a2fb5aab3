#ifndef BATCHWRITER_H
#define BATCHWRITER_H

#include "bench/insertbatch.h"

#include <QString>

#include <functional>
#include <vector>

struct BenchServer
{
    QString host = QStringLiteral("127.0.0.1");
    int port = 3306;
    QString user = QStringLiteral("root");
    QString password;
};

// Writes batches into one database over several connections at once. Batches of one
// level go in side by side, a large one split across connections; a level starts only
// when the one before is committed, so the server's foreign-key checks always find the
// rows referred to.
class BatchWriter
{
public:
    BatchWriter(const BenchServer &server, const QString &database, int connections);

    // Receives one line per table written.
    void setProgress(const std::function<void(const QString &)> &progress);

    // Stops at the first failing statement: returns false with the server's error in
    // error(); what was committed before stays.
    bool write(const std::vector<const InsertBatch *> &batches);
    QString error() const;

private:
    struct Job
    {
        const InsertBatch *batch;
        size_t begin;
        size_t end;
    };

    bool writeLevel(const std::vector<const InsertBatch *> &batches);

    BenchServer server;
    QString database;
    int connections;
    std::function<void(const QString &)> progress;
    QString firstError;
};

#endif // BATCHWRITER_H
