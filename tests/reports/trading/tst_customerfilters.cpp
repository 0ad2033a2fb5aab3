#include "core/system/globals.h"
#include "reports/framework/frmReportViewer.h"
#include "reports/trading/wCustomerListFilter.h"
#include "reports/trading/wCustomerSalesDetailedFilter.h"
#include "reports/trading/wCustomerStatementOfAccountFilter.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWebElement>
#include <QWebFrame>
#include <QWebView>

// The customer reports' filter panels: the condition each builds from what is ticked and
// typed, and typed text matched by the server exactly as typed.
class tst_customerfilters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void panelsOpenWithNothingTicked_data();
    void panelsOpenWithNothingTicked();
    void conditionFromTheTickedCriteria_data();
    void conditionFromTheTickedCriteria();
    void typedTextMatchesAsTyped_data();
    void typedTextMatchesAsTyped();
    void statementInThePdf_data();
    void statementInThePdf();
};

namespace {
// The report's panel in `filterArea`, as the reports center makes it.
cFilterWidget *newPanel(const QString &code, QWidget *filterArea)
{
    if (code == QLatin1String("CUSTLST"))
        return new wCustomerListFilter(filterArea);
    if (code == QLatin1String("CUSTSLS"))
        return new wCustomerSalesDetailedFilter(filterArea);
    return new wCustomerStatementOfAccountFilter(filterArea);
}

QString conditionOf(cFilterWidget *panel)
{
    if (auto *list = qobject_cast<wCustomerListFilter *>(panel))
        return list->condition();
    if (auto *sales = qobject_cast<wCustomerSalesDetailedFilter *>(panel))
        return sales->condition();
    return qobject_cast<wCustomerStatementOfAccountFilter *>(panel)->condition();
}

frmReportViewer *onlyViewer()
{
    const QList<frmReportViewer *> viewers = ReportSupport::openViewers();
    if (viewers.size() != 1 || !ReportSupport::waitUntilReady(viewers.first()))
        return nullptr;
    return viewers.first();
}
}

void tst_customerfilters::initTestCase()
{
    TestSupport::freshCompany();
    ReportSupport::copyReportTemplates();
    // Names a user may type that mean something to SQL or to LIKE.
    EXEC_SQL("INSERT INTO persons (PersonId, PersonName) VALUES (11, 'Contact')");
    EXEC_SQL("INSERT INTO customers (CustomerId, CustomerName, CustomerPersonId) VALUES "
             "(1, 'O''Neil Traders', 11), (2, 'Back\\\\Slash Co', 11), (3, '50% Off Store', 11), "
             "(4, '500 Traders', 11), (5, 'A_B Ltd', 11), (6, 'AXB Ltd', 11), (7, ''' OR ''1''=''1', 11), "
             "(8, '', 11), (9, NULL, 11)");
}

void tst_customerfilters::init()
{
    languageCode = QStringLiteral("en");
    rightToLeft = false;
    TestSupport::MessageRecorder::clear();
}

void tst_customerfilters::cleanup()
{
    ReportSupport::closeViewers();
    languageCode = QStringLiteral("en");
    rightToLeft = false;
}

void tst_customerfilters::panelsOpenWithNothingTicked_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("dateEdits");
    QTest::addColumn<bool>("arabic");
    QTest::newRow("customer list") << "CUSTLST" << 0 << false;
    QTest::newRow("customer sales detailed") << "CUSTSLS" << 4 << false;
    QTest::newRow("customer sales detailed, Arabic: dates still d/M/yyyy") << "CUSTSLS" << 4 << true;
    QTest::newRow("customer statement of account") << "CSTSTTMNT" << 2 << false;
    QTest::newRow("customer statement of account, Arabic: dates still d/M/yyyy") << "CSTSTTMNT" << 2 << true;
}

void tst_customerfilters::panelsOpenWithNothingTicked()
{
    QFETCH(QString, code);
    QFETCH(int, dateEdits);
    QFETCH(bool, arabic);
    // A panel takes the direction of the reports center's filter area.
    QWidget filterArea;
    filterArea.setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
    cFilterWidget *panel = newPanel(code, &filterArea);
    for (QCheckBox *check : panel->findChildren<QCheckBox *>())
        QVERIFY2(!check->isChecked(), qPrintable(check->objectName()));
    for (QComboBox *box : panel->findChildren<QComboBox *>())
        QCOMPARE(box->currentIndex(), 0);
    for (QLineEdit *edit : panel->findChildren<QLineEdit *>())
        if (!qobject_cast<QAbstractSpinBox *>(edit->parent()))
            QCOMPARE(edit->text(), QString());
    const QList<QDateEdit *> dates = panel->findChildren<QDateEdit *>();
    QCOMPARE(dates.size(), dateEdits);
    for (QDateEdit *date : dates) {
        QCOMPARE(date->date(), QDate::currentDate());
        QCOMPARE(date->displayFormat(), dateFormat);
        QCOMPARE(date->text(), QDate::currentDate().toString(dateFormat));
        QCOMPARE(date->layoutDirection(), Qt::LeftToRight);
        QVERIFY(!date->calendarPopup());
    }
    QCOMPARE(conditionOf(panel), QString());
}

void tst_customerfilters::conditionFromTheTickedCriteria_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("fromDate");

    QTest::newRow("list: text typed but nothing ticked")
        << "CUSTLST" << "txtCustomerName = Acme\ntxtAddress = Cairo" << "" << "";
    QTest::newRow("list: name =")
        << "CUSTLST" << "chkCustomerName = ticked\ntxtCustomerName = Acme"
        << " WHERE CustomerName = 'Acme'" << "";
    QTest::newRow("list: name Contains, kept untrimmed")
        << "CUSTLST" << "chkCustomerName = ticked\ncmbCustomerNameOperator = Contains\ntxtCustomerName =  Acme "
        << " WHERE CustomerName like '% Acme %'" << "";
    QTest::newRow("list: contact person alone opens with WHERE")
        << "CUSTLST" << "chkContactPerson = ticked\ntxtContactPerson = Ali"
        << " WHERE PersonName = 'Ali'" << "";
    QTest::newRow("list: address over four fields, no province")
        << "CUSTLST" << "chkAddress = ticked\ntxtAddress = Cairo"
        << " WHERE ( persons.Street1 like '%Cairo%' OR persons.Street2 like '%Cairo%' OR persons.City like '%Cairo%'"
           " OR persons.Country like '%Cairo%')" << "";
    QTest::newRow("list: all three joined with AND")
        << "CUSTLST"
        << "chkCustomerName = ticked\ntxtCustomerName = Acme\nchkContactPerson = ticked\n"
           "cmbContactPersonOperator = Contains\ntxtContactPerson = ali\nchkAddress = ticked\ntxtAddress = Giza"
        << " WHERE CustomerName = 'Acme' AND PersonName like '%ali%' AND ( persons.Street1 like '%Giza%' OR"
           " persons.Street2 like '%Giza%' OR persons.City like '%Giza%' OR persons.Country like '%Giza%')" << "";
    QTest::newRow("list: quote and backslash escaped for the literal")
        << "CUSTLST" << "chkCustomerName = ticked\ntxtCustomerName = O'Neil \\ ' OR '1'='1"
        << " WHERE CustomerName = 'O''Neil \\\\ '' OR ''1''=''1'" << "";
    QTest::newRow("list: %, _ and \\ escaped for LIKE, then for the literal")
        << "CUSTLST" << "chkCustomerName = ticked\ncmbCustomerNameOperator = Contains\ntxtCustomerName = 50%_\\'"
        << " WHERE CustomerName like '%50\\\\%\\\\_\\\\\\\\''%'" << "";

    QTest::newRow("sales: nothing ticked") << "CUSTSLS" << "" << "" << "";
    QTest::newRow("sales: warehouse alone opens with WHERE")
        << "CUSTSLS" << "chkWarehouse = ticked\ncmbWarehouseOperator = Contains\ntxtWarehouse = Main"
        << " WHERE WarehouseName like '%Main%'" << "";
    QTest::newRow("sales: invoice dates as yyyyMMdd, both days included")
        << "CUSTSLS" << "chkDate = ticked\ndtDateFrom = 2024-01-05\ndtDateTo = 2024-01-31"
        << " WHERE `salesinvoice`.`Date` >= '20240105' AND `salesinvoice`.`Date` <= '20240131'" << "";
    QTest::newRow("sales: ship dates alone")
        << "CUSTSLS" << "chkShipDate = ticked\ndtShipDateFrom = 2023-12-31\ndtShipDateTo = 2024-02-09"
        << " WHERE ShipDate >= '20231231' AND ShipDate <= '20240209'" << "";
    QTest::newRow("sales: employee alone")
        << "CUSTSLS" << "chkEmployee = ticked\ntxtEmployee = Sara Ahmed"
        << " WHERE persons.PersonName = 'Sara Ahmed'" << "";
    QTest::newRow("sales: all five in their order")
        << "CUSTSLS"
        << "chkEmployee = ticked\ncmbEmployeeOperator = Contains\ntxtEmployee = sara\n"
           "chkShipDate = ticked\ndtShipDateFrom = 2024-01-01\ndtShipDateTo = 2024-01-02\n"
           "chkDate = ticked\ndtDateFrom = 2024-02-01\ndtDateTo = 2024-02-29\n"
           "chkWarehouse = ticked\ntxtWarehouse = Main Store\n"
           "chkCustomerName = ticked\ncmbCustomerNameOperator = Contains\ntxtCustomerName = Acme"
        << " WHERE CustomerName like '%Acme%' AND WarehouseName = 'Main Store'"
           " AND `salesinvoice`.`Date` >= '20240201' AND `salesinvoice`.`Date` <= '20240229'"
           " AND ShipDate >= '20240101' AND ShipDate <= '20240102' AND persons.PersonName like '%sara%'" << "";

    QTest::newRow("statement: nothing ticked, no previous balance") << "CSTSTTMNT" << "" << "" << "";
    QTest::newRow("statement: name Contains")
        << "CSTSTTMNT" << "chkCustomerName = ticked\ncmbCustomerNameOperator = Contains\ntxtCustomerName = O'N"
        << " WHERE CustomerName like '%O''N%'" << "";
    QTest::newRow("statement: period alone gives the from-date")
        << "CSTSTTMNT" << "chkDate = ticked\ndtDateFrom = 2024-02-01\ndtDateTo = 2024-02-29"
        << " WHERE `Date` >= '20240201' AND `Date` <= '20240229'" << "20240201";
    QTest::newRow("statement: name and period")
        << "CSTSTTMNT"
        << "chkCustomerName = ticked\ntxtCustomerName = Acme\nchkDate = ticked\ndtDateFrom = 2024-03-09\ndtDateTo = 2024-03-01"
        << " WHERE CustomerName = 'Acme' AND `Date` >= '20240309' AND `Date` <= '20240301'" << "20240309";
}

void tst_customerfilters::conditionFromTheTickedCriteria()
{
    QFETCH(QString, code);
    QFETCH(QString, panel);
    QFETCH(QString, condition);
    QFETCH(QString, fromDate);
    QWidget filterArea;
    cFilterWidget *filter = newPanel(code, &filterArea);
    filterArea.show();
    QCOMPARE(ReportSupport::fillPanel(filter, panel), QString());
    QCOMPARE(conditionOf(filter), condition);
    if (auto *statement = qobject_cast<wCustomerStatementOfAccountFilter *>(filter))
        QCOMPARE(statement->fromDate(), fromDate);
}

// The customer list run through its panel against customers named with the characters
// that SQL and LIKE give a meaning to.
void tst_customerfilters::typedTextMatchesAsTyped_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("listed");
    const QString equals = QStringLiteral("chkCustomerName = ticked\ntxtCustomerName = ");
    const QString contains = QStringLiteral("chkCustomerName = ticked\ncmbCustomerNameOperator = Contains\ntxtCustomerName = ");
    QTest::newRow("= O'Neil Traders") << equals + "O'Neil Traders" << QStringList{"O'Neil Traders"};
    QTest::newRow("Contains O'N") << contains + "O'N" << QStringList{"O'Neil Traders"};
    QTest::newRow("= a backslash") << equals + "Back\\Slash Co" << QStringList{"Back\\Slash Co"};
    QTest::newRow("Contains a backslash") << contains + "k\\S" << QStringList{"Back\\Slash Co"};
    QTest::newRow("Contains 50% finds 50% and not 500") << contains + "50%" << QStringList{"50% Off Store"};
    QTest::newRow("Contains A_B finds A_B and not AXB") << contains + "A_B" << QStringList{"A_B Ltd"};
    QTest::newRow("= ' OR '1'='1 finds only the name") << equals + "' OR '1'='1" << QStringList{"' OR '1'='1"};
    QTest::newRow("Contains ' OR '1'='1 finds only the name") << contains + "' OR '1'='1" << QStringList{"' OR '1'='1"};
    QTest::newRow("= in other letter case") << equals + "o'neil traders" << QStringList{"O'Neil Traders"};
    QTest::newRow("= empty finds the empty name") << equals << QStringList{""};
    QTest::newRow("Contains empty finds every name but NULL")
        << contains << QStringList{"O'Neil Traders", "Back\\Slash Co", "50% Off Store", "500 Traders", "A_B Ltd",
                                   "AXB Ltd", "' OR '1'='1", ""};
}

void tst_customerfilters::typedTextMatchesAsTyped()
{
    QFETCH(QString, panel);
    QFETCH(QStringList, listed);
    wCustomerListFilter filter;
    filter.show();
    QCOMPARE(ReportSupport::fillPanel(&filter, panel), QString());

    filter.runReport();

    QCOMPARE(TestSupport::messageLog(), QString());
    frmReportViewer *viewer = onlyViewer();
    QVERIFY(viewer);
    QStringList names;
    // The template's row that held the details placeholder stays, empty, before the rows.
    for (const QWebElement &row : viewer->webView->page()->mainFrame()->findAllElements("table.rows tbody tr"))
        if (row.findAll("td").count() == 6)
            names << row.findFirst("td").toPlainText().trimmed();
    names.sort();
    listed.sort();
    QCOMPARE(names, listed);
}

void tst_customerfilters::statementInThePdf_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("English") << "en"
                             << QStringList{"Customer Statement of Account", "O'Neil Traders", "Previous Balance",
                                            "1/2/2024", "150.5", "Sales", "Payment", "Debit: 20.5"};
    QTest::newRow("Arabic") << "ar"
                            << QStringList{"كشف حساب عميل", "O'Neil Traders", "رصيد سابق", "1/2/2024", "150.5",
                                           "مبيعات", "مدفوعات", "مدين", "20.5"};
}

// A period's statement as it comes out on paper in either language.
void tst_customerfilters::statementInThePdf()
{
    QFETCH(QString, language);
    QFETCH(QStringList, shown);
    languageCode = language;
    rightToLeft = language == QLatin1String("ar");
    QTranslator translator;
    if (rightToLeft)
        QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/../../../zarpo_ar.qm"));
    QCoreApplication::installTranslator(&translator);
    EXEC_SQL("DELETE FROM salespayments");
    EXEC_SQL("DELETE FROM salesinvoice");
    EXEC_SQL("INSERT INTO salesinvoice (SalesInvoiceId, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES "
             "(1, 1, '2024-01-20', 40.00, 0, '0'), (2, 1, '2024-02-01', 150.50, 0, '0')");
    EXEC_SQL("INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) VALUES "
             "(1, '2024-02-10', '0', 170.00)");
    wCustomerStatementOfAccountFilter filter;
    filter.show();
    QCOMPARE(ReportSupport::fillPanel(&filter, "chkDate = ticked\ndtDateFrom = 2024-02-01\ndtDateTo = 2024-02-29"),
             QString());
    filter.runReport();
    QCOMPARE(TestSupport::messageLog(), QString());
    frmReportViewer *viewer = onlyViewer();
    QVERIFY(viewer);
    QTemporaryDir output;
    const QString file = output.filePath(language + ".pdf");

    ReportSupport::exportPdf(viewer, file);

    const QString text = ReportSupport::pdfText(file);
    for (const QString &part : shown)
        QVERIFY2(text.contains(part.normalized(QString::NormalizationForm_KC)), qPrintable(part + " not in:\n" + text));
}

ZARPO_TEST_MAIN(tst_customerfilters)
#include "tst_customerfilters.moc"
