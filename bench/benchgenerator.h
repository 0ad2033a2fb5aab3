#ifndef BENCHGENERATOR_H
#define BENCHGENERATOR_H

#include "bench/batchwriter.h"
#include "bench/benchsizes.h"

#include <QDate>
#include <QString>

#include <functional>

// Fills a company database with a large, realistic data set that depends on nothing but
// the seed, the sizes and the day taken as today: customers, vendors, items in several
// units with their prices, quotes, orders, invoices, refunds, payments and journal entries
// spread over the three years up to today.
class BenchGenerator
{
public:
    BenchGenerator(const BenchServer &server, const QString &database);

    void setSizes(const BenchSizes &sizes);
    void setSeed(quint32 seed);
    void setToday(const QDate &today);
    void setConnections(int connections);
    void setProgress(const std::function<void(const QString &)> &progress);

    enum class Outcome { Generated, Kept, Failed };

    // Creates the database from the program's schema script (dropping one of that name
    // first) and fills it. With `keepComplete`, a database of that name that an earlier
    // run finished with the same seed, sizes and schema script is left as it is. On failure error()
    // says why; a half-filled database carries no completion mark.
    Outcome run(bool keepComplete);
    QString error() const;

    // The table in which a finished run leaves its seed, sizes and the day it took as
    // today.
    static QString markerTable();

private:
    // The sizes, and the schema script the company was made from: a company made before
    // the script gained an index is made again, or the benchmark would measure without it.
    QString madeWith() const;
    bool isComplete();
    bool createDatabase();
    bool writeMarker(double seconds);
    void report(const QString &line);

    BenchServer server;
    QString database;
    BenchSizes sizes;
    quint32 seed = 20240229;
    QDate today = QDate::currentDate();
    int connections = 6;
    std::function<void(const QString &)> progress;
    QString failure;
};

#endif // BENCHGENERATOR_H
