#ifndef BENCHMARK_H
#define BENCHMARK_H

#include "bench/batchwriter.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QPointer>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <functional>
#include <memory>

class QWidget;
class frmReportViewer;
struct CatalogueReportStep;
struct InvoiceWindow;
struct PaymentWindow;

struct BenchOptions
{
    BenchServer server;
    QString database = QStringLiteral("zarpo_bench");
    int runs = 5;    // timed runs of every step, through the program and bare alike
    int warmups = 1; // untimed runs before them, at least one: the first captures the statements
    // The folder that holds the home tab's pages, jscharts/ and news/, as the program's
    // own folder does.
    QString pagesFolder;
    // When set, each step's statements are written there as the client ran them, one file
    // per step, for whoever wants to see which statement costs what.
    QString statementsFolder;
    // When set, only the steps whose names hold one of these texts are measured.
    QStringList only;
};

struct StepResult
{
    QString name;
    // What the step aims at, when anything: a time, or a most that the program may take
    // over its bare statements. Reported, never enforced.
    double targetMs = 0;
    double targetRatio = 0;
    qint64 programNs = -1;   // median of the runs through the program
    qint64 bareNs = -1;      // median of the same statements run bare on a connection already open
    int statements = 0;
    int runs = 0;
    QString failure;         // empty when nothing failed
};

// Times what the program does against a company database, through the real windows
// offscreen, beside the statements those windows sent, run bare on a connection of their
// own that is already open. Never judges a time; fails only when something measured fails.
class Benchmark
{
public:
    explicit Benchmark(const BenchOptions &options);
    ~Benchmark();

    // Receives a line as each step is done.
    void setProgress(const std::function<void(const QString &)> &progress);

    // Runs every step; false when one failed (its result says why) or when the run could
    // not begin (error() says why).
    bool run();
    QString error() const;

    const QVector<StepResult> &results() const;
    // What starting the MariaDB client and logging in costs (`select 1` through it), and
    // what opening a connection as the program does costs: neither is in a bare time.
    qint64 clientStartupNs() const;
    qint64 connectionOpenNs() const;

    // The results as one table, with the start-up costs beneath it.
    QString table() const;

private:
    struct Step
    {
        QString name;
        double targetMs = 0;
        double targetRatio = 0;
        std::function<void()> before; // untimed, before every run through the program
        std::function<bool()> act;    // timed; false when it failed, with stepFailure set
        // Untimed, after the act: false, with stepFailure set, when what the act did is not so.
        std::function<bool()> check;
        std::function<void()> after;  // untimed, after every run through the program
        // The bare side runs the captured statements on the company unless these are given,
        // which it runs with no current database.
        QByteArrayList bareStatements;
        std::function<void()> beforeBare;
    };

    bool begin();
    void end();
    StepResult measure(const Step &step);
    bool measureBare(const Step &step, const QByteArrayList &statements, const QString &database, StepResult *result);
    void keepStatements(const QString &name, const QByteArray &input);

    Step companyCreation();
    Step mainWindowShown();
    Step chartThroughDashboard(const QString &name);
    Step panelReload(const QString &name, int tab, const char *button);
    Step listWindow(const QString &name, const std::function<QWidget *()> &open,
                    const std::function<void(QWidget *)> &drive);
    Step invoiceSave(const InvoiceWindow &invoice);
    Step invoiceLoad(const InvoiceWindow &invoice);
    bool saveBenchInvoice(const InvoiceWindow &invoice);
    Step paymentWindow(const PaymentWindow &payments);
    Step catalogueReport(const CatalogueReportStep &report);
    Step pdfExport();

    bool openReportsCenter();
    bool showReport(const QString &code);
    void closeReports();

    bool openMainWindow();
    void closeMainWindow();
    bool dropCreatedCompany();
    void report(const QString &line);

    BenchOptions options;
    std::function<void(const QString &)> progress;
    QString failure;
    QString stepFailure;
    QStringList boxes;
    QVector<StepResult> stepResults;
    qint64 startupNs = -1;
    qint64 openNs = -1;
    QString controlName;
    QString createdCompany;
    std::unique_ptr<QTemporaryDir> programFolder;
    QPointer<QWidget> mainWindow;
    QPointer<QWidget> window;
    QPointer<QWidget> reportsCenter;
    QPointer<frmReportViewer> viewer;
    // The report whose preview was the tallest, for the export to PDF.
    QString largestReportName;
    QString largestReportCode;
    int largestReportHeight = -1;
    QSet<QString> sizedReports;
    QStringList itemCodes; // scanned into the benchmark's long invoices
};

#endif // BENCHMARK_H
