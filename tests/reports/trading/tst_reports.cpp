#include "core/system/globals.h"
#include "reports/framework/cFilterWidget.h"
#include "reports/framework/frmReportViewer.h"
#include "reports/frmReportsCenter.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QTreeWidget>
#include <QWebFrame>
#include <QWebView>

// Every report as a user runs it from the reports center, compared with the text its
// page is expected to show. A folder per case under reports/, named after the report's
// code and, after a blank, what the case shows:
// fixture.sql (statements run on a fresh company, each ending with ";" at the end of a
// line), expected-en.txt and expected-ar.txt (the page as text, a table row's cells
// joined by " | "; {today} stands for the date of the run), and for a report with a
// filter panel, where the case needs them, panel.txt (the fields the user fills before
// Show Report, as ReportSupport::fillPanel takes them).
class tst_reports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pageShowsTheExpectedText_data();
    void pageShowsTheExpectedText();
};

namespace {
QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("<cannot read %1>").arg(path);
    return QString::fromUtf8(file.readAll());
}

bool runFixture(const QString &path)
{
    QString statement;
    for (const QString &line : readText(path).split('\n')) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        statement += line + '\n';
        if (line.trimmed().endsWith(';')) {
            if (!TestSupport::execSql(statement))
                return false;
            statement.clear();
        }
    }
    return statement.trimmed().isEmpty() || TestSupport::execSql(statement);
}

// The page's text line by line as a reader sees it, without empty lines and without the
// invisible direction marks; the cells of a table row are joined by " | ", so an empty
// cell shows as "|  |".
QStringList shownLines(const QString &text)
{
    QStringList lines;
    for (QString line : text.split('\n')) {
        line.replace('\t', QLatin1String(" | "));
        line.remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}]")));
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}
}

void tst_reports::initTestCase()
{
    ReportSupport::copyReportTemplates();
}

void tst_reports::cleanup()
{
    ReportSupport::closeViewers();
    languageCode = QStringLiteral("en");
    rightToLeft = false;
}

void tst_reports::pageShowsTheExpectedText_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("language");
    const QDir reports(QFINDTESTDATA("reports"));
    QVERIFY(reports.exists());
    for (const QString &code : reports.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("ar")})
            QTest::newRow(qPrintable(code + ' ' + language)) << reports.filePath(code) << language;
}

void tst_reports::pageShowsTheExpectedText()
{
    QFETCH(QString, folder);
    QFETCH(QString, language);
    TestSupport::freshCompany();
    QVERIFY2(runFixture(QDir(folder).filePath("fixture.sql")), qPrintable(TestSupport::lastSqlError()));
    // What the login reads into the login state.
    companyName = TestSupport::queryValue("SELECT CompanyName FROM companyinfo").toString();
    companyAddress = TestSupport::queryValue("SELECT Address FROM companyinfo").toString();
    companyPhone = TestSupport::queryValue("SELECT Phone FROM companyinfo").toString();
    languageCode = language;
    rightToLeft = language == QLatin1String("ar");
    // The program's Arabic texts (the grouped reports' blocks), compiled at the top of the build tree.
    QTranslator translator;
    if (rightToLeft)
        QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/../../../zarpo_ar.qm"));
    QCoreApplication::installTranslator(&translator);
    TestSupport::MessageRecorder::clear();

    frmReportsCenter center;
    center.show();
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");
    const QList<QTreeWidgetItem *> entries =
        tree->findItems(QFileInfo(folder).fileName().section(' ', 0, 0), Qt::MatchExactly | Qt::MatchRecursive, 0);
    QCOMPARE(entries.size(), 1);
    tree->setCurrentItem(entries.first());
    if (QFile::exists(QDir(folder).filePath("panel.txt"))) {
        const QList<cFilterWidget *> panels = center.findChildren<cFilterWidget *>();
        QCOMPARE(panels.size(), 1);
        QCOMPARE(ReportSupport::fillPanel(panels.first(), readText(QDir(folder).filePath("panel.txt"))), QString());
    }
    click(&center, "btnShow");

    QCOMPARE(TestSupport::messageLog(), QString());
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    const QString expected = readText(QDir(folder).filePath("expected-" + language + ".txt"))
                                 .replace("{today}", QDate::currentDate().toString(dateFormat));
    QCOMPARE(shownLines(viewer->webView->page()->mainFrame()->toPlainText()), shownLines(expected));
    // Latin text keeps its order on an Arabic page, also where it wraps.
    const QStringList outOfOrder = ReportSupport::latinTextOutOfOrder(viewer->webView->page()->mainFrame(), "body *");
    QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder.join('\n')));
}

ZARPO_TEST_MAIN(tst_reports)
#include "tst_reports.moc"
