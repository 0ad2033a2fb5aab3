#include "bench/benchmark.h"
#include "bench/serveroptions.h"
#include "core/system/resources.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

int usageError(const QString &message)
{
    std::fprintf(stderr, "zarpo-bench: %s\n", message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zarpo-bench"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.0 Beta"));
    initZarpoResources();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times Zarpo's windows against a company database, offscreen, beside the same statements run bare "
        "through the MariaDB client, and prints one table. Exits with 1 when something it measures fails."));
    parser.addHelpOption();
    const ServerOptions serverOptions;
    serverOptions.addTo(parser);
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("Company database to measure (zarpo_bench)."), QStringLiteral("name"), QStringLiteral("zarpo_bench"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Timed runs of every step (5)."), QStringLiteral("count"), QStringLiteral("5"));
    const QCommandLineOption warmups(QStringLiteral("warmups"), QStringLiteral("Untimed runs before them, at least 1 (1)."), QStringLiteral("count"), QStringLiteral("1"));
    const QCommandLineOption pages(QStringLiteral("pages"), QStringLiteral("Folder holding the home tab's jscharts/ and news/ (this program's folder)."), QStringLiteral("folder"));
    const QCommandLineOption statements(QStringLiteral("statements"), QStringLiteral("Write each step's statements, as the client runs them, into this folder."), QStringLiteral("folder"));
    const QCommandLineOption only(QStringLiteral("only"), QStringLiteral("Measure only the steps whose names hold this text; may be given more than once."), QStringLiteral("text"));
    parser.addOptions({database, runs, warmups, pages, statements, only});
    parser.process(app);

    BenchOptions options;
    bool ok = true;
    QString error;
    if (!serverOptions.read(parser, &options.server, &error))
        return usageError(error);
    options.database = parser.value(database);
    options.runs = parser.value(runs).toInt(&ok);
    if (!ok || options.runs < 1)
        return usageError(QStringLiteral("--runs needs a positive number"));
    options.warmups = parser.value(warmups).toInt(&ok);
    if (!ok || options.warmups < 1)
        return usageError(QStringLiteral("--warmups needs a positive number: the first run captures the statements"));
    options.pagesFolder = parser.isSet(pages) ? parser.value(pages) : QCoreApplication::applicationDirPath();
    options.statementsFolder = parser.value(statements);
    options.only = parser.values(only);

    Benchmark benchmark(options);
    // Progress goes to the error stream: the table alone is the output.
    benchmark.setProgress([](const QString &line) {
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        std::fflush(stderr);
    });
    const bool measured = benchmark.run();
    if (!benchmark.error().isEmpty()) {
        std::fprintf(stderr, "zarpo-bench: %s\n", benchmark.error().toUtf8().constData());
        return 1;
    }
    std::fputs(benchmark.table().toUtf8().constData(), stdout);
    std::fflush(stdout);
    return measured ? 0 : 1;
}
