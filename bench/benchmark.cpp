#include "bench/benchmark.h"

#include "bench/bareclient.h"
#include "bench/bareconnection.h"
#include "bench/invoicesteps.h"
#include "bench/listwindows.h"
#include "bench/paymentsteps.h"
#include "bench/reportsteps.h"
#include "bench/statementlog.h"
#include "core/db/companydb.h"
#include "core/db/connection.h"
#include "app/frmMainWindow.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/system/seams.h"
#include "reports/framework/frmReportViewer.h"
#include "reports/frmReportsCenter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWebFrame>
#include <QWebView>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// How long a window may take to show before the step counts as failed: far beyond any
// time worth measuring, it only keeps a broken window from hanging the run.
const qint64 showTimeoutMs = 600000;

const int dashboardTab = 0;
const int purchasingTab = 1;
const int salesTab = 2;

// Tells when every web view of a window has its page: the loads begun while it watches
// have ended, and each view shows the document it was last asked for, fully parsed. The
// second half covers loads begun before it watched, as in the main window's constructor.
class PageWatch
{
public:
    explicit PageWatch(QWidget *window) : views(window->findChildren<QWebView *>())
    {
        for (QWebView *view : views) {
            QObject::connect(view, &QWebView::loadStarted, &context, [this, view] { loading.insert(view); });
            QObject::connect(view, &QWebView::loadFinished, &context, [this, view] { loading.remove(view); });
        }
    }

    bool loaded() const
    {
        if (!loading.isEmpty())
            return false;
        for (QWebView *view : views) {
            QWebFrame *frame = view->page()->mainFrame();
            if (frame->url() != frame->requestedUrl()
                || frame->evaluateJavaScript(QStringLiteral("document.readyState")).toString() != QLatin1String("complete"))
                return false;
        }
        return true;
    }

private:
    QObject context; // its end disconnects the views
    QList<QWebView *> views;
    QSet<QWebView *> loading;
};

// Lets the windows lay out and paint what the step changed, as the event loop does
// before the user sees it.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Runs the event loop until the window is on screen with its pages loaded.
bool shownWithPages(QWidget *window, const PageWatch &pages)
{
    QElapsedTimer clock;
    clock.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed() && pages.loaded())) {
        if (clock.elapsed() > showTimeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    settle();
    return true;
}

// Runs the event loop until the preview has laid out its page.
bool pageLaidOut(frmReportViewer *preview)
{
    QElapsedTimer clock;
    clock.start();
    while (preview && !preview->pageReady()) {
        if (clock.elapsed() > showTimeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return preview;
}

// Changes the tab without the reload that the main window ties to a change of tab.
void selectTabQuietly(QWidget *mainWindow, int index)
{
    auto *tabs = mainWindow->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    if (!tabs)
        return;
    const QSignalBlocker blocker(tabs);
    tabs->setCurrentIndex(index);
}

qint64 median(QVector<qint64> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

bool copyFolder(const QString &from, const QString &to)
{
    bool ok = QDir().mkpath(to);
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        ok = QDir().mkpath(QFileInfo(target).path()) && QFile::copy(source, target) && ok;
    }
    return ok;
}

QString milliseconds(qint64 nanoseconds)
{
    if (nanoseconds < 0)
        return QStringLiteral("-");
    // Statements on an open connection can take well under a millisecond.
    return QString::number(nanoseconds / 1e6, 'f', nanoseconds < 1000000 ? 3 : 1);
}

} // namespace

Benchmark::Benchmark(const BenchOptions &options)
    : options(options), controlName(QStringLiteral("zarpo-bench-control"))
{
    this->options.warmups = std::max(1, options.warmups);
    this->options.runs = std::max(1, options.runs);
}

Benchmark::~Benchmark()
{
    end();
}

void Benchmark::setProgress(const std::function<void(const QString &)> &callback)
{
    progress = callback;
}

void Benchmark::report(const QString &line)
{
    if (progress)
        progress(line);
}

QString Benchmark::error() const
{
    return failure;
}

const QVector<StepResult> &Benchmark::results() const
{
    return stepResults;
}

qint64 Benchmark::clientStartupNs() const
{
    return startupNs;
}

qint64 Benchmark::connectionOpenNs() const
{
    return openNs;
}

bool Benchmark::begin()
{
    if (BareClient::program().isEmpty()) {
        failure = QStringLiteral("Neither mariadb nor mysql is on the PATH: the bare statements need the client.");
        return false;
    }
    {
        QSqlDatabase control = QSqlDatabase::addDatabase(dbDriver, controlName);
        control.setHostName(options.server.host);
        control.setPort(options.server.port);
        control.setUserName(options.server.user);
        control.setPassword(options.server.password);
        control.setDatabaseName(options.database);
        if (!control.open()) {
            failure = QStringLiteral("Cannot open the company %1: %2").arg(options.database, control.lastError().text());
            return false;
        }
        QSqlQuery(control).exec(QStringLiteral("SET NAMES utf8mb4"));
    }

    programFolder = std::make_unique<QTemporaryDir>();
    for (const char *pages : {"jscharts", "news", "Reports"}) {
        const QString from = QDir(options.pagesFolder).filePath(QLatin1String(pages));
        if (!QDir(from).exists())
            report(QStringLiteral("No %1 beside the program: its pages cannot show").arg(from));
        else if (!copyFolder(from, QDir(programFolder->path()).filePath(QLatin1String(pages))))
            report(QStringLiteral("Could not copy %1: a page may be missing").arg(from));
    }
    // A folder of its own: the main window stores its tab in the settings file there, and
    // an automatic backup folder set in a real one would add a backup to every run.
    setProgramDir(programFolder->path());
    Messages::setResponder([this](Messages::Kind, QWidget *, const QString &, const QString &text,
                                  QMessageBox::StandardButtons buttons) {
        boxes << text;
        if (buttons & QMessageBox::Ok)
            return QMessageBox::Ok;
        return (buttons & QMessageBox::No) ? QMessageBox::No : QMessageBox::NoButton;
    });

    dbHost = options.server.host;
    dbPort = options.server.port;
    dbUser = options.server.user;
    dbPassword = options.server.password;
    dbName = options.database;
    // The login state as a login of the company's first user leaves it.
    QSqlQuery query(QSqlDatabase::database(controlName));
    if (query.exec(QStringLiteral("SELECT UserId, users.EmployeeId, PersonName, Username FROM users "
                                  "JOIN employees ON users.EmployeeId = employees.EmployeeId "
                                  "JOIN persons ON employees.EmployeePersonId = persons.PersonId ORDER BY UserId LIMIT 1"))
        && query.next()) {
        currentUserId = query.value(0).toInt();
        currentEmployeeId = query.value(1).toInt();
        currentPersonName = query.value(2).toString();
        currentUserName = query.value(3).toString();
    }
    if (query.exec(QStringLiteral("SELECT CompanyName, Address, Phone FROM companyinfo")) && query.next()) {
        companyName = query.value(0).toString();
        companyAddress = query.value(1).toString();
        companyPhone = query.value(2).toString();
    }
    if (query.exec(QStringLiteral("SELECT Currency, CurrencySymbol FROM currencies WHERE IsDefault = 1")) && query.next()) {
        defaultCurrency = query.value(0).toString();
        defaultCurrencySymbol = query.value(1).toString();
    }
    if (!openDefaultConnectionFromSettings().isOpen()) {
        failure = QSqlDatabase::database().lastError().text();
        return false;
    }

    createdCompany = QStringLiteral("%1_created_%2").arg(options.database).arg(QCoreApplication::applicationPid());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = :Name"));
    query.bindValue(QStringLiteral(":Name"), createdCompany);
    if (!query.exec() || !query.next() || query.value(0).toInt() != 0) {
        failure = QStringLiteral("The database %1, which the benchmark creates, exists already.").arg(createdCompany);
        createdCompany.clear();
        return false;
    }
    return true;
}

void Benchmark::end()
{
    closeMainWindow();
    closeReports();
    delete window.data();
    if (QSqlDatabase::contains(controlName)) {
        dropCreatedCompany();
        QString ignored;
        for (const InvoiceWindow &invoice : invoiceWindows())
            removeBenchInvoice(QSqlDatabase::database(controlName), invoice, &ignored);
        QSqlDatabase::removeDatabase(controlName);
    }
    createdCompany.clear();
    if (programFolder) {
        Messages::setResponder(Messages::Responder());
        setProgramDir(QString());
        programFolder.reset();
    }
}

bool Benchmark::dropCreatedCompany()
{
    if (createdCompany.isEmpty())
        return true;
    return QSqlQuery(QSqlDatabase::database(controlName))
        .exec(QStringLiteral("DROP DATABASE IF EXISTS ") + quotedIdentifier(createdCompany));
}

bool Benchmark::run()
{
    stepResults.clear();
    if (!begin()) {
        end();
        return false;
    }

    BareClient client(options.server);
    QVector<qint64> startups;
    QVector<qint64> opens;
    for (int run = 0; run < options.warmups + options.runs; ++run) {
        qint64 nanoseconds = 0;
        if (!client.run(QString(), "select 1;\n", &nanoseconds)) {
            failure = QStringLiteral("The client cannot run select 1: ") + client.error();
            end();
            return false;
        }
        qint64 opened = 0;
        BareConnection connection(options.server);
        if (!connection.open(&opened)) {
            failure = QStringLiteral("Cannot open a connection to the server: ") + connection.error();
            end();
            return false;
        }
        if (run >= options.warmups) {
            startups << nanoseconds;
            opens << opened;
        }
    }
    startupNs = median(startups);
    openNs = median(opens);

    const auto wanted = [this](const QString &name) {
        return options.only.isEmpty()
               || std::any_of(options.only.cbegin(), options.only.cend(),
                              [&name](const QString &text) { return name.contains(text, Qt::CaseInsensitive); });
    };
    auto measured = [this, &wanted](const Step &step) {
        if (!wanted(step.name))
            return;
        stepResults << measure(step);
        const StepResult &result = stepResults.last();
        report(result.failure.isEmpty()
                   ? QStringLiteral("%1: %2 ms, bare %3 ms").arg(result.name, milliseconds(result.programNs),
                                                                 milliseconds(result.bareNs))
                   : QStringLiteral("%1: FAILED: %2").arg(result.name, result.failure));
    };

    measured(companyCreation());
    measured(mainWindowShown());

    const QString chart = QStringLiteral("Dashboard tab chosen: week-sales chart");
    const QString vendors = QStringLiteral("Purchasing tab: vendors reloaded");
    const QString customers = QStringLiteral("Sales tab: customers reloaded");
    const QString validity = QStringLiteral("Dashboard: stock validity reloaded");
    // The main window is opened for its panels only when one of them is measured.
    if (wanted(chart) || wanted(vendors) || wanted(customers) || wanted(validity)) {
        stepFailure.clear();
        const int shown = boxes.size();
        if (openMainWindow() && boxes.size() == shown) {
            measured(chartThroughDashboard(chart));
            measured(panelReload(vendors, purchasingTab, "btnVendorsRefresh"));
            measured(panelReload(customers, salesTab, "btnCustomersRefresh"));
            measured(panelReload(validity, dashboardTab, "btnValidityRefresh"));
        } else {
            StepResult result;
            result.name = QStringLiteral("Home panels");
            result.failure = boxes.size() > shown ? boxes.mid(shown).join(QStringLiteral(" | ")) : stepFailure;
            stepResults << result;
        }
        closeMainWindow();
    }

    for (const ListWindow &list : listWindows())
        measured(listWindow(list.name, list.open, list.drive));
    for (const InvoiceWindow &invoice : invoiceWindows()) {
        measured(invoiceSave(invoice));
        measured(invoiceLoad(invoice));
    }
    for (const PaymentWindow &payments : paymentWindows())
        measured(paymentWindow(payments));
    for (const CatalogueReportStep &report : catalogueReportSteps())
        measured(catalogueReport(report));
    for (const ListWindow &reportWindow : reportWindows())
        measured(listWindow(reportWindow.name, reportWindow.open, reportWindow.drive));
    if (!largestReportCode.isEmpty())
        measured(pdfExport());

    end();
    return std::all_of(stepResults.cbegin(), stepResults.cend(),
                       [](const StepResult &result) { return result.failure.isEmpty(); });
}

StepResult Benchmark::measure(const Step &step)
{
    StepResult result;
    result.name = step.name;
    result.targetMs = step.targetMs;
    result.targetRatio = step.targetRatio;
    StatementLog log(QSqlDatabase::database(controlName));
    QByteArrayList statements;
    QVector<qint64> times;
    const int total = options.warmups + options.runs;
    for (int run = 0; run < total && result.failure.isEmpty(); ++run) {
        // The first run is never timed: the general log slows the server down.
        const bool capture = run == 0 && step.bareStatements.isEmpty();
        stepFailure.clear();
        if (step.before)
            step.before();
        QList<qint64> threads;
        if (capture) {
            // Asked while the log is off, so the question is not among the statements.
            threads << StatementLog::threadId(QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false));
            if (!log.start())
                result.failure = QStringLiteral("Cannot switch the general log on: ") + log.error();
        }
        const int shown = boxes.size();
        QElapsedTimer clock;
        clock.start();
        const bool acted = result.failure.isEmpty() && step.act();
        const qint64 elapsed = clock.nsecsElapsed();
        if (capture && result.failure.isEmpty()) {
            const bool stopped = log.stop();
            // A step may open the default connection anew, as the main window does.
            threads << StatementLog::threadId(QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false));
            if (!stopped || !log.statements(threads, &statements))
                result.failure = QStringLiteral("Cannot read the general log: ") + log.error();
        }
        const bool done = acted && (!step.check || step.check());
        if (step.after)
            step.after();
        if (!result.failure.isEmpty())
            break;
        if (boxes.size() > shown)
            result.failure = QStringLiteral("The window reported: ") + boxes.mid(shown).join(QStringLiteral(" | "));
        else if (!done)
            result.failure = stepFailure;
        else if (run >= options.warmups)
            times << elapsed;
    }
    if (!result.failure.isEmpty())
        return result;
    result.programNs = median(times);
    result.runs = options.runs;
    // A step that sent nothing, as an export, has no bare side to set beside it.
    const bool captured = step.bareStatements.isEmpty();
    if (captured && statements.isEmpty())
        return result;

    if (!captured)
        statements = step.bareStatements;
    result.statements = statements.size();
    keepStatements(step.name, BareClient::script(statements));
    measureBare(step, statements, captured ? options.database : QString(), &result);
    return result;
}

void Benchmark::keepStatements(const QString &name, const QByteArray &input)
{
    if (options.statementsFolder.isEmpty())
        return;
    QString fileName = QStringLiteral("%1 %2").arg(stepResults.size() + 1, 2, 10, QLatin1Char('0')).arg(name);
    fileName.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    QDir().mkpath(options.statementsFolder);
    QFile file(QDir(options.statementsFolder).filePath(fileName + QStringLiteral(".sql")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(input) != input.size())
        report(QStringLiteral("Could not write %1: %2").arg(file.fileName(), file.errorString()));
}

bool Benchmark::measureBare(const Step &step, const QByteArrayList &statements, const QString &database,
                            StepResult *result)
{
    BareConnection connection(options.server);
    if (!connection.open()) {
        result->failure = QStringLiteral("Cannot open a connection for the bare statements: ") + connection.error();
        return false;
    }
    QVector<qint64> times;
    for (int run = 0; run < options.warmups + options.runs; ++run) {
        if (step.beforeBare)
            step.beforeBare();
        qint64 nanoseconds = 0;
        if (!connection.run(database, statements, &nanoseconds)) {
            result->failure = QStringLiteral("A statement failed when run bare: ") + connection.error();
            return false;
        }
        if (run >= options.warmups)
            times << nanoseconds;
    }
    result->bareNs = median(times);
    return true;
}

Benchmark::Step Benchmark::companyCreation()
{
    Step step;
    step.name = QStringLiteral("Create a company database");
    step.before = [this] { dropCreatedCompany(); };
    step.act = [this] {
        // As the company dialog does it: a connection of its own to the server.
        const QString connection = QStringLiteral("zarpo-bench-create");
        bool created = false;
        ScriptFailure scriptFailure;
        {
            QSqlDatabase server = QSqlDatabase::addDatabase(dbDriver, connection);
            server.setHostName(options.server.host);
            server.setPort(options.server.port);
            server.setUserName(options.server.user);
            server.setPassword(options.server.password);
            if (server.open()) {
                QSqlQuery(server).exec(QStringLiteral("SET NAMES utf8mb4"));
                created = createCompanyDatabase(server, createdCompany, &scriptFailure);
            } else {
                scriptFailure.error = server.lastError().text();
            }
            server.close();
        }
        QSqlDatabase::removeDatabase(connection);
        if (!created)
            stepFailure = QStringLiteral("Creating a company failed at statement %1: %2")
                              .arg(scriptFailure.statementNumber).arg(scriptFailure.error);
        return created;
    };
    const QByteArray name = quotedIdentifier(createdCompany).toUtf8();
    step.bareStatements << "CREATE DATABASE " + name << "USE " + name;
    for (const QString &statement : splitSqlScript(companySchemaScript()))
        step.bareStatements << statement.toUtf8();
    step.beforeBare = [this] { dropCreatedCompany(); };
    return step;
}

bool Benchmark::openMainWindow()
{
    closeMainWindow();
    auto *opened = new frmMainWindow(nullptr);
    mainWindow = opened;
    const PageWatch pages(opened);
    // Maximised, as the login shows it.
    opened->showMaximized();
    if (shownWithPages(opened, pages))
        return true;
    stepFailure = QStringLiteral("The main window did not show with its pages within %1 s").arg(showTimeoutMs / 1000);
    return false;
}

void Benchmark::closeMainWindow()
{
    if (!mainWindow)
        return;
    // The window stores its tab at its end: the next one opens on the Dashboard again.
    selectTabQuietly(mainWindow, dashboardTab);
    delete mainWindow.data();
}

Benchmark::Step Benchmark::mainWindowShown()
{
    Step step;
    step.name = QStringLiteral("Login: main window shown, home panels filled");
    step.targetMs = 1000;
    step.act = [this] { return openMainWindow(); };
    step.after = [this] { closeMainWindow(); };
    return step;
}

Benchmark::Step Benchmark::chartThroughDashboard(const QString &name)
{
    Step step;
    step.name = name;
    step.before = [this] {
        selectTabQuietly(mainWindow, purchasingTab);
        settle();
    };
    step.act = [this] {
        const PageWatch pages(mainWindow);
        mainWindow->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(dashboardTab);
        if (shownWithPages(mainWindow, pages))
            return true;
        stepFailure = QStringLiteral("The Dashboard's pages did not load within %1 s").arg(showTimeoutMs / 1000);
        return false;
    };
    return step;
}

Benchmark::Step Benchmark::panelReload(const QString &name, int tab, const char *button)
{
    Step step;
    step.name = name;
    step.before = [this, tab] {
        selectTabQuietly(mainWindow, tab);
        settle();
    };
    step.act = [this, button] {
        auto *reload = mainWindow->findChild<QAbstractButton *>(QLatin1String(button));
        if (!reload) {
            stepFailure = QStringLiteral("The main window has no button %1").arg(QLatin1String(button));
            return false;
        }
        reload->click();
        settle();
        return true;
    };
    return step;
}

Benchmark::Step Benchmark::listWindow(const QString &name, const std::function<QWidget *()> &open,
                                      const std::function<void(QWidget *)> &drive)
{
    Step step;
    step.name = name;
    step.targetRatio = 1.3;
    auto shown = [this, open] {
        window = open();
        window->show();
        if (shownWithPages(window, PageWatch(window)))
            return true;
        stepFailure = QStringLiteral("The window did not show within %1 s").arg(showTimeoutMs / 1000);
        return false;
    };
    if (drive) {
        step.before = shown;
        step.act = [this, drive] {
            if (!window) {
                stepFailure = QStringLiteral("The window did not open");
                return false;
            }
            drive(window);
            settle();
            return true;
        };
    } else {
        step.act = shown;
    }
    step.after = [this] { delete window.data(); };
    return step;
}

// Writes the benchmark's long invoice in a window of its own and saves it; the window
// stays open in `window`, empty again, for the caller to close.
bool Benchmark::saveBenchInvoice(const InvoiceWindow &invoice)
{
    QSqlDatabase control = QSqlDatabase::database(controlName);
    if (itemCodes.isEmpty())
        itemCodes = ::itemCodes(control, benchInvoiceLines());
    if (itemCodes.isEmpty()) {
        stepFailure = QStringLiteral("The company has no item with a code of its own");
        return false;
    }
    if (!removeBenchInvoice(control, invoice, &stepFailure))
        return false;
    delete window.data();
    window = invoice.open();
    window->show();
    settle();
    writeInvoice(window, invoice, itemCodes);
    settle();
    return true;
}

Benchmark::Step Benchmark::invoiceSave(const InvoiceWindow &invoice)
{
    Step step;
    step.name = QStringLiteral("Save a new %1-line %2").arg(benchInvoiceLines()).arg(invoice.name);
    step.targetRatio = 1.3;
    step.before = [this, invoice] { saveBenchInvoice(invoice); };
    step.act = [this, invoice] {
        auto *save = window ? window->findChild<QAbstractButton *>(QStringLiteral("btnSave")) : nullptr;
        if (!stepFailure.isEmpty() || !save) {
            if (stepFailure.isEmpty())
                stepFailure = QStringLiteral("The %1 window has no Save").arg(invoice.name);
            return false;
        }
        save->click();
        settle();
        return true;
    };
    // After the clock: the lookup scans the large company's invoices, some 11 ms that the
    // program's save does not spend.
    step.check = [this, invoice] {
        if (benchInvoiceId(QSqlDatabase::database(controlName), invoice) > 0)
            return true;
        stepFailure = QStringLiteral("Save stored no %1").arg(invoice.name);
        return false;
    };
    step.after = [this] { delete window.data(); };
    // The captured statements name the ids the program's save got: the bare save gets them too.
    step.beforeBare = [this, invoice] {
        QString ignored;
        removeBenchInvoice(QSqlDatabase::database(controlName), invoice, &ignored);
    };
    return step;
}

Benchmark::Step Benchmark::invoiceLoad(const InvoiceWindow &invoice)
{
    Step step;
    step.name = QStringLiteral("Load a %1-line %2 through Search").arg(benchInvoiceLines()).arg(invoice.name);
    step.targetRatio = 1.3;
    // Found before the clock starts, as what the user picks from the list.
    auto id = std::make_shared<int>(-1);
    step.before = [this, invoice, id] {
        // Measured alone, the load first needs the invoice that the save leaves behind.
        if (benchInvoiceId(QSqlDatabase::database(controlName), invoice) < 0 && saveBenchInvoice(invoice)) {
            if (auto *save = window->findChild<QAbstractButton *>(QStringLiteral("btnSave")))
                save->click();
        }
        delete window.data();
        window = invoice.open();
        window->show();
        settle();
        *id = benchInvoiceId(QSqlDatabase::database(controlName), invoice);
    };
    step.act = [this, invoice, id] {
        auto *search = window ? window->findChild<QAbstractButton *>(QStringLiteral("btnSearch")) : nullptr;
        if (*id < 0 || !search) {
            stepFailure = *id < 0 ? QStringLiteral("There is no %1 to load").arg(invoice.name)
                                  : QStringLiteral("The %1 window has no Search").arg(invoice.name);
            return false;
        }
        pickFromListWhenShown(invoice.pickedId, *id);
        search->click();
        settle();
        auto *number = window->findChild<QLineEdit *>(QLatin1String(invoice.numberField));
        if (number && number->text() == benchInvoiceNumber())
            return true;
        stepFailure = QStringLiteral("Search did not load the %1").arg(invoice.name);
        return false;
    };
    step.after = [this] { delete window.data(); };
    return step;
}

Benchmark::Step Benchmark::paymentWindow(const PaymentWindow &payments)
{
    Step step;
    step.name = payments.name;
    step.targetRatio = 1.3;
    // Found before the clock starts: the user knows whom to choose.
    auto partner = std::make_shared<QVariant>();
    step.before = [this, payments, partner] {
        *partner = busiestPartner(QSqlDatabase::database(controlName), payments);
    };
    step.act = [this, payments, partner] {
        window = payments.open();
        window->show();
        if (!shownWithPages(window, PageWatch(window))) {
            stepFailure = QStringLiteral("The window did not show within %1 s").arg(showTimeoutMs / 1000);
            return false;
        }
        if (!choosePartner(window, payments, *partner)) {
            stepFailure = QStringLiteral("The window offers no partner with invoices");
            return false;
        }
        settle();
        return true;
    };
    step.after = [this] { delete window.data(); };
    return step;
}

bool Benchmark::openReportsCenter()
{
    closeReports();
    reportsCenter = new frmReportsCenter(nullptr);
    reportsCenter->show();
    if (shownWithPages(reportsCenter, PageWatch(reportsCenter)))
        return true;
    stepFailure = QStringLiteral("The Reports Center did not show within %1 s").arg(showTimeoutMs / 1000);
    return false;
}

bool Benchmark::showReport(const QString &code)
{
    if (!reportsCenter) {
        stepFailure = QStringLiteral("The Reports Center did not open");
        return false;
    }
    auto *tree = reportsCenter->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
    auto *show = reportsCenter->findChild<QAbstractButton *>(QStringLiteral("btnShow"));
    const QList<QTreeWidgetItem *> items =
        tree ? tree->findItems(code, Qt::MatchExactly | Qt::MatchRecursive, 0) : QList<QTreeWidgetItem *>();
    if (!show || items.size() != 1) {
        stepFailure = QStringLiteral("The Reports Center has no single report %1").arg(code);
        return false;
    }
    const QWidgetList before = QApplication::topLevelWidgets();
    // Choosing the report opens its panel with the panel's own defaults.
    tree->setCurrentItem(items.first());
    show->click();
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        auto *preview = qobject_cast<frmReportViewer *>(shown);
        if (preview && !before.contains(shown)) {
            viewer = preview;
            return true;
        }
    }
    stepFailure = QStringLiteral("Show Report brought no preview of %1").arg(code);
    return false;
}

void Benchmark::closeReports()
{
    delete viewer.data();
    delete reportsCenter.data();
}

Benchmark::Step Benchmark::catalogueReport(const CatalogueReportStep &report)
{
    Step step;
    step.name = QStringLiteral("Report: ") + report.name;
    step.targetRatio = 1.3;
    step.before = [this] { openReportsCenter(); };
    // Ends when the preview has its page set: laying it out is the web view's own work.
    step.act = [this, code = report.code] { return showReport(code); };
    step.after = [this, report] {
        // Measured once, to find the report with the most pages to export.
        if (viewer && !sizedReports.contains(report.code) && pageLaidOut(viewer)) {
            sizedReports.insert(report.code);
            const int height = viewer->webView->page()->mainFrame()->contentsSize().height();
            if (height > largestReportHeight) {
                largestReportHeight = height;
                largestReportName = report.name;
                largestReportCode = report.code;
            }
        }
        closeReports();
    };
    return step;
}

Benchmark::Step Benchmark::pdfExport()
{
    Step step;
    step.name = QStringLiteral("Report to PDF, the longest: ") + largestReportName;
    const QString pdf = QDir(programFolder->path()).filePath(QStringLiteral("report.pdf"));
    step.before = [this, pdf] {
        QFile::remove(pdf);
        if (openReportsCenter() && showReport(largestReportCode) && !pageLaidOut(viewer))
            stepFailure = QStringLiteral("The preview did not lay out its page within %1 s").arg(showTimeoutMs / 1000);
    };
    step.act = [this, pdf] {
        if (!viewer || !stepFailure.isEmpty()) {
            if (stepFailure.isEmpty())
                stepFailure = QStringLiteral("The preview did not open");
            return false;
        }
        QAction *exportAction = nullptr;
        for (QAction *action : viewer->findChildren<QAction *>())
            if (action->iconText() == frmReportViewer::tr("Export PDF"))
                exportAction = action;
        if (!exportAction) {
            stepFailure = QStringLiteral("The preview has no Export PDF");
            return false;
        }
        const FileDialogs::FileFn asked = FileDialogs::getSaveFileName;
        FileDialogs::getSaveFileName = [pdf](QWidget *, const QString &, const QString &, const QString &) { return pdf; };
        viewer->actionTriggered(exportAction);
        FileDialogs::getSaveFileName = asked;
        if (QFileInfo(pdf).size() > 0)
            return true;
        stepFailure = QStringLiteral("The export wrote no PDF");
        return false;
    };
    step.after = [this, pdf] {
        closeReports();
        QFile::remove(pdf);
    };
    return step;
}

QString Benchmark::table() const
{
    const QStringList headers{QStringLiteral("Step"), QStringLiteral("Program ms"), QStringLiteral("Bare SQL ms"),
                              QStringLiteral("Program / SQL"), QStringLiteral("Statements"), QStringLiteral("Runs"),
                              QStringLiteral("Target")};
    QVector<QStringList> rows;
    for (const StepResult &result : stepResults) {
        const bool ok = result.failure.isEmpty();
        const double ratio = ok && result.bareNs > 0 ? double(result.programNs) / double(result.bareNs) : -1;
        QString target;
        if (result.targetMs > 0)
            target = QStringLiteral("<= %1 ms").arg(result.targetMs);
        else if (result.targetRatio > 0)
            target = QStringLiteral("<= %1 x SQL").arg(result.targetRatio);
        if (ok && !target.isEmpty()) {
            const bool met = result.targetMs > 0 ? result.programNs / 1e6 <= result.targetMs
                                                 : ratio >= 0 && ratio <= result.targetRatio;
            target += met ? QStringLiteral(": met") : QStringLiteral(": missed");
        }
        rows << QStringList{result.name,
                            ok ? milliseconds(result.programNs) : QStringLiteral("FAILED"),
                            ok ? milliseconds(result.bareNs) : QStringLiteral("-"),
                            ratio >= 0 ? QString::number(ratio, 'f', 2) : QStringLiteral("-"),
                            ok ? QString::number(result.statements) : QStringLiteral("-"),
                            ok ? QString::number(result.runs) : QStringLiteral("-"),
                            target};
    }
    QVector<int> widths;
    for (int column = 0; column < headers.size(); ++column) {
        int width = headers.at(column).size();
        for (const QStringList &row : rows)
            width = std::max(width, int(row.at(column).size()));
        widths << width;
    }
    auto line = [&widths](const QStringList &cells) {
        QStringList padded;
        for (int column = 0; column < cells.size(); ++column)
            padded << (column == 0 || column == cells.size() - 1 ? cells.at(column).leftJustified(widths.at(column))
                                                                 : cells.at(column).rightJustified(widths.at(column)));
        return padded.join(QStringLiteral("  ")).trimmed();
    };
    QStringList lines{line(headers)};
    int ruleWidth = 0;
    for (int width : widths)
        ruleWidth += width + 2;
    lines << QString(ruleWidth - 2, QLatin1Char('-'));
    for (const QStringList &row : rows)
        lines << line(row);
    lines << QString()
          << QStringLiteral("Medians of %1 runs after %2 warm-up run(s). Bare SQL: the step's statements on a "
                            "connection of their own, already open, every row fetched.")
                 .arg(options.runs).arg(options.warmups)
          << QStringLiteral("Not in any bare time: opening a connection takes %1 ms; starting the MariaDB client "
                            "with `select 1` takes %2 ms.")
                 .arg(milliseconds(openNs), milliseconds(startupNs));
    for (const StepResult &result : stepResults)
        if (!result.failure.isEmpty())
            lines << QStringLiteral("FAILED %1: %2").arg(result.name, result.failure);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
