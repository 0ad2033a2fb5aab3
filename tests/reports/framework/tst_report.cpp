#include "core/system/globals.h"
#include "reports/framework/cReport.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlQueryModel>

class tst_report : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void templateFolderFollowsTheLanguageCode_data();
    void templateFolderFollowsTheLanguageCode();
    void commonTokensFilledEverywhereCaseSensitively();
    void valuesShowAsTextAndNeverAsPlaceholders();
    void cellTexts_data();
    void cellTexts();
    void groupsAreRunsOfOneKey_data();
    void groupsAreRunsOfOneKey();
    void failuresAreToldAndShowNoPreview_data();
    void failuresAreToldAndShowNoPreview();
};

namespace {
void writeTemplate(const QString &language, const QString &name, const QString &text)
{
    const QString path = QDir(TestSupport::programFolder()).filePath(QStringLiteral("Reports/%1/%2").arg(language, name));
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

// The page that `templateText` gives with no values of the report's own.
QString filledPage(const QString &templateText, const QHash<QString, QString> &html = {})
{
    writeTemplate(QStringLiteral("en"), QStringLiteral("Test.Rep"), templateText);
    cReport report(QStringLiteral("Test.Rep"));
    if (!report.readTemplate())
        return QStringLiteral("<not read>");
    return report.page({}, html);
}

QString today()
{
    return QDate::currentDate().toString(dateFormat);
}
}

void tst_report::initTestCase()
{
    TestSupport::freshCompany();
}

void tst_report::init()
{
    languageCode = QStringLiteral("en");
    rightToLeft = false;
    companyName = QStringLiteral("Zarpo Trading");
    companyAddress = QStringLiteral("Cairo");
    companyPhone = QStringLiteral("0100 555 1234");
    TestSupport::MessageRecorder::clear();
}

void tst_report::cleanup()
{
    ReportSupport::closeViewers();
}

void tst_report::templateFolderFollowsTheLanguageCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("folder");
    QTest::newRow("ar reads the Arabic folder") << "ar" << "ar";
    QTest::newRow("en reads the English folder") << "en" << "en";
    QTest::newRow("an empty code reads the English folder") << "" << "en";
    QTest::newRow("AR in capitals reads the English folder") << "AR" << "en";
}

void tst_report::templateFolderFollowsTheLanguageCode()
{
    QFETCH(QString, code);
    QFETCH(QString, folder);
    writeTemplate(QStringLiteral("en"), QStringLiteral("Lang.Rep"), QStringLiteral("English page"));
    writeTemplate(QStringLiteral("ar"), QStringLiteral("Lang.Rep"), QStringLiteral("صفحة عربية"));
    languageCode = code;
    rightToLeft = true; // plays no part in the choice

    QCOMPARE(cReport::templatePath(QStringLiteral("Lang.Rep")),
             QDir(TestSupport::programFolder()).filePath(QStringLiteral("Reports/%1/Lang.Rep").arg(folder)));
    cReport report(QStringLiteral("Lang.Rep"));
    QVERIFY(report.readTemplate());
    QCOMPARE(report.page({}), folder == QLatin1String("ar") ? QStringLiteral("صفحة عربية") : QStringLiteral("English page"));
}

void tst_report::commonTokensFilledEverywhereCaseSensitively()
{
    QCOMPARE(filledPage("$DATE|$COMPANY_NAME|$COMPANY_ADDRESS|$COMPANY_PHONE|$DATE|$COMPANY_NAME\n"
                        "$date|$Company_Name|$COMPANY_name"),
             today() + "|Zarpo Trading|Cairo|0100 555 1234|" + today() + "|Zarpo Trading\n"
                 "$date|$Company_Name|$COMPANY_name");
}

// Markup in the company's details or in a cell shows as the characters typed, and a name
// that reads like a token is never filled.
void tst_report::valuesShowAsTextAndNeverAsPlaceholders()
{
    companyName = QStringLiteral("A<b>& \"Sons\" $DETAILS");
    companyAddress = QStringLiteral("$COMPANY_PHONE $TOTAL_DEBIT");
    QSqlQueryModel model;
    QVERIFY(cReport::runQuery(model, "SELECT 'A<b>&', '$DETAILS', '$TOTAL_DEBIT $DATE'"));
    QCOMPARE(filledPage("<h1>$COMPANY_NAME</h1><p>$COMPANY_ADDRESS</p><table><tr><td colspan=\"3\">$DETAILS</td></tr>"
                        "<tr><td>$TOTAL_DEBIT</td></tr></table>",
                        {{"<td colspan=\"3\">$DETAILS</td>", cReport::rows(model)}}),
             "<h1>A&lt;b&gt;&amp; &quot;Sons&quot; $DETAILS</h1><p>$COMPANY_PHONE $TOTAL_DEBIT</p><table><tr>"
             "<tr><td> A&lt;b&gt;&amp; </td><td> $DETAILS </td><td> $TOTAL_DEBIT $DATE </td></tr></tr>"
             "<tr><td>$TOTAL_DEBIT</td></tr></table>");
}

void tst_report::cellTexts_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("row");
    QTest::newRow("an amount of 100.00 as 100") << "CAST(100.00 AS DECIMAL(10,2))" << "<tr><td> 100 </td></tr>";
    QTest::newRow("an amount of 12.50 as 12.5") << "CAST(12.50 AS DECIMAL(10,2))" << "<tr><td> 12.5 </td></tr>";
    QTest::newRow("a negative amount") << "CAST(-0.75 AS DECIMAL(10,2))" << "<tr><td> -0.75 </td></tr>";
    QTest::newRow("a summed 0.1 + 0.2 as 0.3") << "CAST(0.1 AS DOUBLE) + CAST(0.2 AS DOUBLE)" << "<tr><td> 0.3 </td></tr>";
    QTest::newRow("a whole number") << "42" << "<tr><td> 42 </td></tr>";
    QTest::newRow("NULL text as two blanks") << "CAST(NULL AS CHAR)" << "<tr><td>  </td></tr>";
    QTest::newRow("NULL amount as 0") << "CAST(NULL AS DECIMAL(10,2))" << "<tr><td> 0 </td></tr>";
    QTest::newRow("NULL whole number as 0") << "CAST(NULL AS SIGNED)" << "<tr><td> 0 </td></tr>";
    QTest::newRow("a date in ISO form") << "DATE '2013-05-24'" << "<tr><td> 2013-05-24 </td></tr>";
    QTest::newRow("NULL date as empty text") << "CAST(NULL AS DATE)" << "<tr><td>  </td></tr>";
    QTest::newRow("a date and time with a T") << "TIMESTAMP '2013-05-24 10:30:00'"
                                              << "<tr><td> 2013-05-24T10:30:00 </td></tr>";
    QTest::newRow("text as stored, escaped") << "'A<b>&'" << "<tr><td> A&lt;b&gt;&amp; </td></tr>";
    // The web view measures Arabic words that share a text node with anything, a blank
    // too, as if they took no room: each is a node of its own.
    QTest::newRow("Arabic text, a word to a span") << "'شركة النيل'"
                                                  << "<tr><td> <span>شركة</span> <span>النيل</span> </td></tr>";
    QTest::newRow("Arabic beside Latin and digits, each run in a span")
        << "'First3 شركة 12'" << "<tr><td> <span>First3</span> <span>شركة</span> <span>12</span> </td></tr>";
    QTest::newRow("a phone's digit groups on one line")
        << "'+20 2 2345 6789 - 0100'" << "<tr><td> <span style=\"white-space: nowrap\">+20 2 2345 6789</span> - 0100 </td></tr>";
    QTest::newRow("columns in the order of the SELECT") << "'b', 'a', 1"
                                                        << "<tr><td> b </td><td> a </td><td> 1 </td></tr>";
}

void tst_report::cellTexts()
{
    QFETCH(QString, select);
    QFETCH(QString, row);
    QSqlQueryModel model;
    QVERIFY(cReport::runQuery(model, "SELECT " + select));
    QCOMPARE(cReport::rows(model), row);
}

void tst_report::groupsAreRunsOfOneKey_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("runs");
    QTest::newRow("a change of key opens a group, the last one is kept") << QList<int>{1, 1, 2, 2, 2, 3} << "0-2 2-5 5-6";
    QTest::newRow("one group") << QList<int>{7, 7, 7} << "0-3";
    QTest::newRow("a key met again later opens a new group") << QList<int>{1, 2, 1} << "0-1 1-2 2-3";
    QTest::newRow("no rows, no groups") << QList<int>{} << "";
}

void tst_report::groupsAreRunsOfOneKey()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, runs);
    QStringList selects;
    for (int i = 0; i < keys.size(); ++i)
        selects << QStringLiteral("SELECT %1 AS Position, %2 AS GroupKey").arg(i).arg(keys.at(i));
    const QString sql = keys.isEmpty() ? QStringLiteral("SELECT 0 AS Position, 1 AS GroupKey FROM DUAL WHERE 1 = 0")
                                       : QStringLiteral("SELECT * FROM (%1) AS t ORDER BY Position").arg(selects.join(" UNION ALL "));
    QSqlQueryModel model;
    QVERIFY(cReport::runQuery(model, sql));
    QStringList found;
    for (const cReport::Run &run : cReport::runs(model, 1))
        found << QStringLiteral("%1-%2").arg(run.first).arg(run.end);
    QCOMPARE(found.join(' '), runs);
}

void tst_report::failuresAreToldAndShowNoPreview_data()
{
    QTest::addColumn<QString>("templateFile");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<bool>("grouped");
    const QString missing = QDir::toNativeSeparators(QDir(TestSupport::programFolder()).filePath("Reports/en/Missing.Rep"));
    for (bool grouped : {false, true}) {
        const QString kind = grouped ? QStringLiteral("grouped: ") : QStringLiteral("flat: ");
        QTest::newRow(qPrintable(kind + "a missing template, with its path"))
            << "Missing.Rep" << "SELECT 1, 2, 3" << QStringList{"Missing.Rep", missing} << grouped;
        QTest::newRow(qPrintable(kind + "a failing statement, with the server's error"))
            << "Flat.Rep" << "SELECT NoSuchColumn FROM vendors" << QStringList{msgSelectFailed, "Unknown column 'NoSuchColumn'"}
            << grouped;
    }
}

void tst_report::failuresAreToldAndShowNoPreview()
{
    QFETCH(QString, templateFile);
    QFETCH(QString, sql);
    QFETCH(QStringList, told);
    QFETCH(bool, grouped);
    writeTemplate("en", "Flat.Rep", "<table><tr><td colspan=\"1\">$DETAILS</td></tr></table>");

    if (grouped)
        cReport::showGrouped(templateFile, sql, "<td colspan=\"1\">$DETAILS</td>", {"<tr><td>$NAME $ROWS</td></tr>", "$NAME", "$ROWS", {2}, {}});
    else
        cReport::showFlat(templateFile, sql, "<td colspan=\"1\">$DETAILS</td>");

    QCOMPARE(ReportSupport::openViewers().size(), 0);
    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 1);
    QCOMPARE(TestSupport::MessageRecorder::last().kind, Messages::Critical);
    for (const QString &part : told)
        QVERIFY2(TestSupport::MessageRecorder::last().text.contains(part), qPrintable(TestSupport::messageLog()));
}

ZARPO_TEST_MAIN(tst_report)
#include "tst_report.moc"
