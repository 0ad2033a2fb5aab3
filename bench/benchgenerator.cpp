#include "bench/benchgenerator.h"

#include "bench/companydata.h"
#include "core/db/companydb.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <memory>

namespace {

std::atomic<int> connectionCounter{0};

// A connection of its own to the server, removed again when it goes out of scope.
class ServerConnection
{
public:
    explicit ServerConnection(const BenchServer &server)
        : name(QStringLiteral("benchgen%1").arg(++connectionCounter))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setUserName(server.user);
        db.setPassword(server.password);
        if (db.open())
            QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));
    }
    ~ServerConnection() { QSqlDatabase::removeDatabase(name); }
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

private:
    QString name;
};

bool readReference(QSqlDatabase db, CompanyReference *reference, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT AccountId, AccountNo, AccountId NOT IN (SELECT ParentAccountId FROM accounts "
                                   "WHERE ParentAccountId IS NOT NULL) FROM accounts ORDER BY AccountId"))) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        reference->accountByNumber[query.value(1).toString().toStdString()] = query.value(0).toInt();
        if (query.value(2).toInt() == 1)
            reference->leafAccounts.push_back(query.value(0).toInt());
    }
    if (!query.exec(QStringLiteral("SELECT SalesAccId, SalesRefundAccId, PurchaseAccId, PurchaseRefundAccId FROM accountsdefaults"))
        || !query.next()) {
        *error = QStringLiteral("The company has no default accounts: %1").arg(query.lastError().text());
        return false;
    }
    reference->salesAccount = query.value(0).toInt();
    reference->salesRefundAccount = query.value(1).toInt();
    reference->purchaseAccount = query.value(2).toInt();
    reference->purchaseRefundAccount = query.value(3).toInt();
    if (reference->leafAccounts.empty()) {
        *error = QStringLiteral("The company has no accounts to post journal lines to.");
        return false;
    }
    return true;
}

} // namespace

BenchGenerator::BenchGenerator(const BenchServer &server, const QString &database)
    : server(server), database(database)
{
}

void BenchGenerator::setSizes(const BenchSizes &newSizes) { sizes = newSizes; }
void BenchGenerator::setSeed(quint32 newSeed) { seed = newSeed; }
void BenchGenerator::setToday(const QDate &day) { today = day; }
void BenchGenerator::setConnections(int count) { connections = std::max(1, count); }
void BenchGenerator::setProgress(const std::function<void(const QString &)> &callback) { progress = callback; }
QString BenchGenerator::error() const { return failure; }

QString BenchGenerator::markerTable()
{
    return QStringLiteral("benchgen_marker");
}

void BenchGenerator::report(const QString &line)
{
    if (progress)
        progress(line);
}

QString BenchGenerator::madeWith() const
{
    const QByteArray script = QCryptographicHash::hash(companySchemaScript().toUtf8(), QCryptographicHash::Sha1);
    return sizes.text() + QStringLiteral("; schema ") + QString::fromLatin1(script.toHex().left(12));
}

bool BenchGenerator::isComplete()
{
    ServerConnection connection(server);
    if (!connection.db().isOpen())
        return false;
    QSqlQuery query(connection.db());
    query.prepare(QStringLiteral("SELECT Seconds FROM %1.%2 WHERE Seed = :Seed AND Sizes = :Sizes")
                      .arg(quotedIdentifier(database), markerTable()));
    query.bindValue(QStringLiteral(":Seed"), seed);
    query.bindValue(QStringLiteral(":Sizes"), madeWith());
    return query.exec() && query.next();
}

bool BenchGenerator::createDatabase()
{
    ServerConnection connection(server);
    QSqlDatabase db = connection.db();
    if (!db.isOpen()) {
        failure = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = :Name"));
    query.bindValue(QStringLiteral(":Name"), database);
    const bool exists = query.exec() && query.next() && query.value(0).toInt() > 0;
    if (exists) {
        // Only a database that this generator made is dropped: a mistyped name must not
        // cost somebody their books.
        query.prepare(QStringLiteral("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = :Name AND TABLE_NAME = :Marker"));
        query.bindValue(QStringLiteral(":Name"), database);
        query.bindValue(QStringLiteral(":Marker"), markerTable());
        if (!(query.exec() && query.next() && query.value(0).toInt() > 0)) {
            failure = QStringLiteral("The database %1 exists and was not made by this generator; choose another name.").arg(database);
            return false;
        }
        if (!query.exec(QStringLiteral("DROP DATABASE ") + quotedIdentifier(database))) {
            failure = query.lastError().text();
            return false;
        }
    }
    ScriptFailure scriptFailure;
    if (!createCompanyDatabase(db, database, &scriptFailure)) {
        failure = QStringLiteral("Creating the company failed at statement %1: %2")
                      .arg(scriptFailure.statementNumber).arg(scriptFailure.error);
        return false;
    }
    const bool marked = query.exec(QStringLiteral("CREATE TABLE %1 (Seed int unsigned NOT NULL, Sizes varchar(2000) NOT NULL, "
                                                  "Today date NOT NULL, Seconds decimal(10,1) NOT NULL) ENGINE=InnoDB DEFAULT CHARSET=utf8")
                                       .arg(markerTable()));
    if (!marked)
        failure = query.lastError().text();
    return marked;
}

bool BenchGenerator::writeMarker(double seconds)
{
    ServerConnection connection(server);
    QSqlQuery query(connection.db());
    query.prepare(QStringLiteral("INSERT INTO %1.%2 (Seed, Sizes, Today, Seconds) VALUES (:Seed, :Sizes, :Today, :Seconds)")
                      .arg(quotedIdentifier(database), markerTable()));
    query.bindValue(QStringLiteral(":Seed"), seed);
    query.bindValue(QStringLiteral(":Sizes"), madeWith());
    query.bindValue(QStringLiteral(":Today"), today);
    query.bindValue(QStringLiteral(":Seconds"), seconds);
    if (!query.exec()) {
        failure = query.lastError().text();
        return false;
    }
    return true;
}

BenchGenerator::Outcome BenchGenerator::run(bool keepComplete)
{
    failure.clear();
    const QString wrongSizes = sizes.problem();
    if (!wrongSizes.isEmpty()) {
        failure = wrongSizes;
        return Outcome::Failed;
    }
    if (keepComplete && isComplete()) {
        report(QStringLiteral("%1 is complete with seed %2 and these sizes: kept").arg(database).arg(seed));
        return Outcome::Kept;
    }
    QElapsedTimer clock;
    clock.start();
    auto seconds = [&clock]() { return QString::number(clock.elapsed() / 1000.0, 'f', 1); };

    if (!createDatabase())
        return Outcome::Failed;
    report(QStringLiteral("Created the company %1 from the schema script (%2 s)").arg(database, seconds()));

    CompanyReference reference;
    {
        ServerConnection connection(server);
        QSqlDatabase db = connection.db();
        QSqlQuery(db).exec(QStringLiteral("USE ") + quotedIdentifier(database));
        if (!readReference(db, &reference, &failure))
            return Outcome::Failed;
        QSqlQuery update(db);
        update.exec(QStringLiteral("UPDATE companyinfo SET CompanyName = 'Delta Benchmark Trading', "
                                   "Address = '14 Nile Street, Cairo', Phone = '+20 2 2345 6789'"));
    }

    auto data = std::make_unique<CompanyData>(sizes, seed, today, reference);
    report(QStringLiteral("Made %1 rows (seed %2, today %3) (%4 s)")
               .arg(data->rowCount()).arg(seed).arg(today.toString(Qt::ISODate), seconds()));

    BatchWriter writer(server, database, connections);
    writer.setProgress(progress);
    if (!writer.write(data->batches())) {
        failure = writer.error();
        return Outcome::Failed;
    }
    report(QStringLiteral("Wrote them over %1 connections (%2 s)").arg(connections).arg(seconds()));

    // Fresh statistics, so that the benchmarks that follow do not depend on when the
    // server gets round to sampling the new rows.
    {
        ServerConnection connection(server);
        QStringList tables;
        for (const InsertBatch *batch : data->batches())
            tables << quotedIdentifier(database) + QLatin1Char('.') + batch->table;
        QSqlQuery query(connection.db());
        if (query.exec(QStringLiteral("ANALYZE TABLE ") + tables.join(QStringLiteral(", ")))) {
            while (query.next()) {
            }
        }
        query.prepare(QStringLiteral("SELECT ROUND(SUM(DATA_LENGTH + INDEX_LENGTH) / 1048576) FROM information_schema.TABLES "
                                     "WHERE TABLE_SCHEMA = :Name"));
        query.bindValue(QStringLiteral(":Name"), database);
        if (query.exec() && query.next())
            report(QStringLiteral("Tables and indexes take about %1 MB").arg(query.value(0).toLongLong()));
    }
    data.reset();
    if (!writeMarker(clock.elapsed() / 1000.0))
        return Outcome::Failed;
    report(QStringLiteral("Done: %1 is complete (%2 s)").arg(database, seconds()));
    return Outcome::Generated;
}
