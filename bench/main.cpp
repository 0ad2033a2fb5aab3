#include "bench/benchgenerator.h"
#include "bench/serveroptions.h"
#include "core/system/resources.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace {

void print(const QString &line)
{
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

int usageError(const QString &message)
{
    std::fprintf(stderr, "zarpo-benchgen: %s\n", message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zarpo-benchgen"));
    initZarpoResources();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Creates a company database from Zarpo's schema script and fills it with a large, "
        "deterministic data set for benchmarks."));
    parser.addHelpOption();
    const ServerOptions serverOptions;
    serverOptions.addTo(parser);
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("Company database to create (zarpo_bench)."), QStringLiteral("name"), QStringLiteral("zarpo_bench"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed (20240229)."), QStringLiteral("number"), QStringLiteral("20240229"));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Multiply every size by this factor, e.g. 0.01 for a small run (1)."), QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption today(QStringLiteral("today"), QStringLiteral("The day taken as today, YYYY-MM-DD (the current date)."), QStringLiteral("date"));
    const QCommandLineOption connections(QStringLiteral("connections"), QStringLiteral("Connections that write at once (up to 6, one per core)."), QStringLiteral("count"));
    const QCommandLineOption keep(QStringLiteral("keep"), QStringLiteral("Keep the database when an earlier run finished it with the same seed and sizes."));
    parser.addOptions({database, seed, scale, today, connections, keep});

    const BenchSizes defaults;
    QList<QCommandLineOption> sizeOptions;
    for (const BenchSizes::Field &field : BenchSizes::fields()) {
        sizeOptions << QCommandLineOption(QLatin1String(field.option),
                                          QStringLiteral("Rows of %1 (%2 at scale 1).").arg(QLatin1String(field.table)).arg(defaults.*field.count),
                                          QStringLiteral("count"));
        parser.addOption(sizeOptions.last());
    }
    parser.process(app);

    bool ok = true;
    const double factor = parser.value(scale).toDouble(&ok);
    if (!ok || factor <= 0)
        return usageError(QStringLiteral("--scale needs a positive number"));
    BenchSizes sizes = defaults.scaled(factor);
    for (int i = 0; i < sizeOptions.size(); ++i) {
        if (!parser.isSet(sizeOptions.at(i)))
            continue;
        const int count = parser.value(sizeOptions.at(i)).toInt(&ok);
        if (!ok)
            return usageError(QStringLiteral("--%1 needs a whole number").arg(QLatin1String(BenchSizes::fields().at(i).option)));
        sizes.*BenchSizes::fields().at(i).count = count;
    }

    BenchServer server;
    QString error;
    if (!serverOptions.read(parser, &server, &error))
        return usageError(error);

    BenchGenerator generator(server, parser.value(database));
    generator.setSizes(sizes);
    const uint seedValue = parser.value(seed).toUInt(&ok);
    if (!ok)
        return usageError(QStringLiteral("--seed needs a whole number from 0 to 4294967295"));
    generator.setSeed(seedValue);
    if (parser.isSet(today)) {
        const QDate day = QDate::fromString(parser.value(today), Qt::ISODate);
        if (!day.isValid())
            return usageError(QStringLiteral("--today needs a date written YYYY-MM-DD"));
        generator.setToday(day);
    }
    int connectionCount = qBound(1, QThread::idealThreadCount(), 6);
    if (parser.isSet(connections)) {
        connectionCount = parser.value(connections).toInt(&ok);
        if (!ok || connectionCount < 1)
            return usageError(QStringLiteral("--connections needs a positive number"));
    }
    generator.setConnections(connectionCount);
    generator.setProgress(print);

    print(QStringLiteral("Sizes: %1").arg(sizes.text()));
    if (generator.run(parser.isSet(keep)) == BenchGenerator::Outcome::Failed) {
        std::fprintf(stderr, "zarpo-benchgen: %s\n", generator.error().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
