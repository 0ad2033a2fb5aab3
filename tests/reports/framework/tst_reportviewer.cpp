#include "core/system/globals.h"
#include "core/system/seams.h"
#include "core/widgets/pageprint.h"
#include "reports/financial/RptGeneralJournalList.h"
#include "reports/trading/RptCustomerList.h"
#include "reports/trading/RptCustomerSalesDetailed.h"
#include "reports/trading/RptCustomerStatementOfAccount.h"
#include "reports/trading/RptPendingSalesOrders.h"
#include "reports/trading/RptVendorList.h"
#include "reports/framework/cReport.h"
#include "reports/framework/frmReportViewer.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QFontMetricsF>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWebElement>
#include <QWheelEvent>
#include <QWebFrame>
#include <QWebView>

#include <memory>

class tst_reportviewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newViewerStartsOnA4Portrait();
    // Before any other export: the folder is remembered for the session.
    void saveAsStartsInTheDocumentsThenTheLastFolder();
    void exportWritesThePaperChosen_data();
    void exportWritesThePaperChosen();
    void exportKeepsTheNameAsTyped();
    void cancelledExportWritesNothing();
    void unwritableFileIsTold();
    void printGoesToThePrinterOnThePaperChosen();
    void printWithoutPrinterIsTold();
    void pageRunsNoScript();
    void vendorNamesInThePdf_data();
    void vendorNamesInThePdf();
    void arabicHeaderLabelsShowWhole_data();
    void arabicHeaderLabelsShowWhole();
    void pdfPagesReadWhole_data();
    void pdfPagesReadWhole();
    void groupedReportsReadWholeOverPages_data();
    void groupedReportsReadWholeOverPages();
    void groupsKeepHeadingsAndTotalsWithTheirRows_data();
    void groupsKeepHeadingsAndTotalsWithTheirRows();
    void printingLeavesThePreviewAsItWas_data();
    void printingLeavesThePreviewAsItWas();
    void titlesTallerThanAPagePrintOnce_data();
    void titlesTallerThanAPagePrintOnce();
    void saveAsProposesTheReportTitle_data();
    void saveAsProposesTheReportTitle();
    void saveAsCaptionIsTranslated();

private:
    frmReportViewer *showPage(const QString &html);
    void trigger(frmReportViewer *viewer, const QString &command);

    std::unique_ptr<QTemporaryDir> output;
    std::function<bool(QWebFrame *, QPrinter &)> realPrint;
};

void tst_reportviewer::initTestCase()
{
    realPrint = Printing::printOn;
    TestSupport::freshCompany();
    ReportSupport::copyReportTemplates();
    EXEC_SQL("INSERT INTO persons (PersonId, PersonName, Street1, City, Country, Phone1, Phone2) VALUES "
             "(11, 'Omar Farouk', '12 Nile Street', 'Cairo', 'Egypt', '0100 555 1234', '02 2345 6789'), "
             "(12, 'سارة أحمد', 'شارع النيل', 'الجيزة', 'مصر', NULL, NULL)");
    EXEC_SQL("INSERT INTO vendors (VendorId, VendorName, ContactPersonId) VALUES "
             "(1, 'Delta Paper Supplies', 11), (2, 'شركة النيل للورق', 12)");
}

void tst_reportviewer::init()
{
    languageCode = QStringLiteral("en");
    rightToLeft = false;
    companyName = QStringLiteral("Zarpo Trading");
    companyAddress = QStringLiteral("Egypt");
    companyPhone.clear();
    output = std::make_unique<QTemporaryDir>();
    TestSupport::MessageRecorder::clear();
}

void tst_reportviewer::cleanup()
{
    Printing::printOn = realPrint;
    ReportSupport::closeViewers();
}

frmReportViewer *tst_reportviewer::showPage(const QString &html)
{
    frmReportViewer *viewer = cReport::show(html);
    if (!ReportSupport::waitUntilReady(viewer))
        qWarning("The page did not load");
    return viewer;
}

void tst_reportviewer::trigger(frmReportViewer *viewer, const QString &command)
{
    auto *toolBar = viewer->findChild<QToolBar *>();
    for (QAction *action : toolBar->actions())
        if (action->text() == command)
            emit toolBar->actionTriggered(action);
}

void tst_reportviewer::newViewerStartsOnA4Portrait()
{
    rightToLeft = true;
    frmReportViewer viewer;
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Report Preview"));
    QCOMPARE(viewer.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(TestSupport::checkForm(&viewer, "cmbPaperSize", "QComboBox", "items", "A4,A5,A6"), QString());
    QCOMPARE(TestSupport::checkForm(&viewer, "cmbPaperSize", "QComboBox", "currentIndex", 0), QString());
    QCOMPARE(TestSupport::checkForm(&viewer, "cmbOrientation", "QComboBox", "items", "Portrait,Landscape"), QString());
    QCOMPARE(TestSupport::checkForm(&viewer, "cmbOrientation", "QComboBox", "currentIndex", 0), QString());
    QStringList commands;
    for (QAction *action : viewer.findChild<QToolBar *>()->actions())
        if (!action->text().isEmpty())
            commands << action->text();
    QCOMPARE(commands, (QStringList{"Print", "Export PDF"}));
}

void tst_reportviewer::saveAsStartsInTheDocumentsThenTheLastFolder()
{
    const FileDialogs::FileFn realDialog = FileDialogs::getSaveFileName;
    QStringList opened;
    QString answer;
    FileDialogs::getSaveFileName = [&](QWidget *, const QString &, const QString &proposed, const QString &) {
        opened << QFileInfo(proposed).path();
        return answer;
    };
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QTemporaryDir other;

    frmReportViewer *viewer = showPage("<p>page</p>");
    trigger(viewer, "Export PDF"); // cancelled
    answer = output->filePath("first.pdf");
    trigger(viewer, "Export PDF");
    answer = other.filePath("second.pdf");
    trigger(viewer, "Export PDF");
    // Another report of the same session.
    trigger(showPage("<p>another</p>"), "Export PDF");
    FileDialogs::getSaveFileName = realDialog;

    QVERIFY(!documents.isEmpty());
    QCOMPARE(opened, (QStringList{documents, documents, output->path(), other.path()}));
    QVERIFY(QFile::exists(other.filePath("second.pdf")));
    QCOMPARE(TestSupport::messageLog(), QString());
}

void tst_reportviewer::exportWritesThePaperChosen_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("pageSize");
    QTest::newRow("A4 portrait") << 0 << 0 << "595 x 842 pts (A4)";
    QTest::newRow("A5 portrait") << 1 << 0 << "420 x 595 pts (A5)";
    QTest::newRow("A6 landscape: wider than high") << 2 << 1 << "420 x 297 pts";
}

void tst_reportviewer::exportWritesThePaperChosen()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(QString, pageSize);
    frmReportViewer *viewer = showPage("<h1>Vendor List</h1>");
    const QString file = output->filePath("report.pdf");

    ReportSupport::exportPdf(viewer, file, paper, orientation);

    QCOMPARE(ReportSupport::pdfInfo(file, "Page size"), pageSize);
    QVERIFY(ReportSupport::pdfText(file).contains("Vendor List"));
    QCOMPARE(TestSupport::messageLog(), QString());
}

void tst_reportviewer::exportKeepsTheNameAsTyped()
{
    frmReportViewer *viewer = showPage("<p>page</p>");
    const QString file = output->filePath("vendors");
    ReportSupport::exportPdf(viewer, file);
    QCOMPARE(QDir(output->path()).entryList(QDir::Files), QStringList{"vendors"});
    QCOMPARE(ReportSupport::pdfInfo(file, "Pages"), QString("1"));
}

void tst_reportviewer::cancelledExportWritesNothing()
{
    frmReportViewer *viewer = showPage("<p>page</p>");
    bool printed = false;
    Printing::printOn = [&](QWebFrame *, QPrinter &) { return printed = true; };
    ReportSupport::exportPdf(viewer, QString());
    QVERIFY(!printed);
    QVERIFY(QDir(output->path()).isEmpty());
    QCOMPARE(TestSupport::messageLog(), QString());
}

void tst_reportviewer::unwritableFileIsTold()
{
    frmReportViewer *viewer = showPage("<p>page</p>");
    const QString file = output->filePath("no such folder/report.pdf");
    ReportSupport::exportPdf(viewer, file);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 1);
    const QString told = TestSupport::MessageRecorder::last().text;
    QVERIFY2(told.contains(QDir::toNativeSeparators(file)) && told.contains("cannot be written"), qPrintable(told));
    QVERIFY(viewer->isVisible());
}

// The printer seam is handed the printer as the viewer set it up: paper, orientation, and
// the default printer rather than a file.
void tst_reportviewer::printGoesToThePrinterOnThePaperChosen()
{
    frmReportViewer *viewer = showPage("<h1>Printed</h1>");
    const QString file = output->filePath("printed.pdf");
    QString outputBefore = "<not printed>";
    Printing::printOn = [&](QWebFrame *frame, QPrinter &printer) {
        outputBefore = printer.outputFileName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        frame->print(&printer);
        return true;
    };
    trigger(viewer, "Print");
    QCOMPARE(outputBefore, QString());
    QCOMPARE(ReportSupport::pdfInfo(file, "Page size"), QString("595 x 842 pts (A4)"));
    QVERIFY(ReportSupport::pdfText(file).contains("Printed"));
    QCOMPARE(TestSupport::messageLog(), QString());
}

void tst_reportviewer::printWithoutPrinterIsTold()
{
    frmReportViewer *viewer = showPage("<p>page</p>");
    Printing::printOn = [](QWebFrame *, QPrinter &) { return false; };
    trigger(viewer, "Print");
    QCOMPARE(TestSupport::messageLog(),
             TestSupport::messageEntry(Messages::Warning, "There is no printer to print on: the report was not printed."));
}

void tst_reportviewer::pageRunsNoScript()
{
    frmReportViewer *viewer = showPage("<p id=\"x\">kept</p><script>document.getElementById('x').innerHTML = 'ran';</script>");
    QCOMPARE(viewer->webView->page()->mainFrame()->toPlainText().trimmed(), QString("kept"));
}

void tst_reportviewer::vendorNamesInThePdf_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("English") << "en" << QStringList{"Vendor List", "Delta Paper Supplies", "Omar Farouk", "شركة النيل للورق"};
    QTest::newRow("Arabic") << "ar" << QStringList{"قائمة الموردين", "Delta Paper Supplies", "شركة النيل للورق", "سارة أحمد"};
}

void tst_reportviewer::vendorNamesInThePdf()
{
    QFETCH(QString, language);
    QFETCH(QStringList, shown);
    languageCode = language;
    rightToLeft = language == "ar";
    RptVendorList::showReport();
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    const QString file = output->filePath(language + ".pdf");

    ReportSupport::exportPdf(viewer, file);

    const QString text = ReportSupport::pdfText(file);
    for (const QString &part : shown)
        QVERIFY2(text.contains(part.normalized(QString::NormalizationForm_KC)), qPrintable(part + " not in:\n" + text));
}

void tst_reportviewer::arabicHeaderLabelsShowWhole_data()
{
    QTest::addColumn<QString>("templateFile");
    const QDir templates(QCoreApplication::applicationDirPath() + "/Reports/ar");
    const QStringList files = templates.entryList({"*.Rep"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 13);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

// QtWebKit measured "العنوان:" by its colon alone and clipped the label in the page head.
void tst_reportviewer::arabicHeaderLabelsShowWhole()
{
    QFETCH(QString, templateFile);
    languageCode = "ar";
    rightToLeft = true;
    companyAddress = QString::fromUtf8("12 شارع النيل، القاهرة");
    companyPhone = "0100 555 1234";
    cReport report(templateFile);
    QVERIFY(report.readTemplate());
    frmReportViewer *viewer = showPage(report.page({}));
    QWebFrame *frame = viewer->webView->page()->mainFrame();

    const QWebElementCollection labels = frame->findAllElements("table.details th");
    QCOMPARE(labels.count(), 2);
    for (const QWebElement &label : labels) {
        QFont font("DejaVu Sans");
        font.setPixelSize(label.styleProperty("font-size", QWebElement::ComputedStyle).remove("px").toInt());
        const qreal textWidth = QFontMetricsF(font).horizontalAdvance(label.toPlainText());
        const QRect box = label.geometry();
        QVERIFY2(box.width() >= textWidth && box.left() >= 0 && box.right() < frame->contentsSize().width(),
                 qPrintable(QString("%1 (%2 wide) in %3 to %4 of %5").arg(label.toPlainText()).arg(textWidth)
                                .arg(box.left()).arg(box.right()).arg(frame->contentsSize().width())));
    }
}

void tst_reportviewer::pdfPagesReadWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QStringList>("titles");
    const QStringList english{"Customer Name", "Contact Person", "Address", "Phones", "E-mail"};
    const QStringList arabic{"اسم العميل", "العنوان", "الهواتف", "الفاكس", "البريد الإلكتروني"};
    QTest::newRow("English, A4") << "en" << 0 << english;
    QTest::newRow("Arabic, A4") << "ar" << 0 << arabic;
    QTest::newRow("Arabic, A5") << "ar" << 1 << arabic;
}

// Customers enough for several pages, names that wrap over lines, Arabic beside Latin, and
// phones with a country code: each row whole on one page, the column titles on every
// page, every phone on one line in its order, in the head of the page too, and no text
// drawn over another cell's.
void tst_reportviewer::pdfPagesReadWhole()
{
    QFETCH(QString, language);
    QFETCH(int, paper);
    QFETCH(QStringList, titles);
    TestSupport::freshCompany();
    const int customers = 40;
    for (int i = 1; i <= customers; ++i) {
        const bool arabicName = i % 2 == 0;
        EXEC_SQL(QString("INSERT INTO persons (PersonId, PersonName, Street1, City, Country, Phone1, Phone2, EMail) "
                         "VALUES (%1, '%2', '%3', '%4', '%5', '+20 2 2345 6%6', '+20 100 555 1%6', "
                         "'accounts%1@nile-delta-trading.example')")
                     .arg(100 + i)
                     .arg(arabicName ? QString::fromUtf8("عبد الرحمن محمود السيد") : "Abdel Rahman Mahmoud")
                     .arg(arabicName ? QString::fromUtf8("شارع النيل") : "12 Nile Street")
                     .arg(arabicName ? QString::fromUtf8("القاهرة") : "Cairo")
                     .arg(arabicName ? QString::fromUtf8("مصر") : "Egypt")
                     .arg(i, 3, 10, QChar('0')));
        EXEC_SQL(QString("INSERT INTO customers (CustomerId, CustomerName, CustomerPersonId) VALUES (%1, '%2', %1)")
                     .arg(100 + i)
                     .arg(QString("First%1 ").arg(i)
                          + (arabicName ? QString::fromUtf8("شركة النيل للتجارة والتوزيع")
                                        : "Nile Delta Import and Export")
                          + QString(" Last%1").arg(i)));
    }
    languageCode = language;
    rightToLeft = language == "ar";
    companyPhone = "+20 2 2345 6789";
    companyAddress = "12 Tahrir Square, Cairo";
    RptCustomerList::showReport(QString());
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    const QString file = output->filePath("customers.pdf");

    ReportSupport::exportPdf(viewer, file, paper);

    const int pages = ReportSupport::pdfInfo(file, "Pages").toInt();
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    QHash<QString, int> pageOf;
    for (int page = 1; page <= pages; ++page) {
        const QString text = ReportSupport::pdfPageLayout(file, page);
        if (page == 1)
            QVERIFY2(text.contains("+20 2 2345 6789"), qPrintable(text));
        for (const QString &title : titles)
            QVERIFY2(text.contains(title.normalized(QString::NormalizationForm_KC)),
                     qPrintable(QString("page %1 lacks %2:\n%3").arg(page).arg(title, text)));
        for (int i = 1; i <= customers; ++i) {
            bool onPage = false;
            for (const QString &part : {QString("First%1").arg(i), QString("Last%1").arg(i)})
                if (text.contains(QRegularExpression("\\b" + part + "\\b"))) {
                    const QString row = QString::number(i) + (part.startsWith("First") ? " first" : " last");
                    QVERIFY2(!pageOf.contains(row), qPrintable(row + " twice"));
                    pageOf.insert(row, page);
                    onPage = true;
                }
            const QString phone = QString("+20 2 2345 6%1").arg(i, 3, 10, QChar('0'));
            if (onPage)
                QVERIFY2(text.contains(phone), qPrintable(QString("page %1 lacks %2 whole:\n%3").arg(page).arg(phone, text)));
        }
        const QStringList over = ReportSupport::wordsDrawnOverOthers(file, page);
        QVERIFY2(over.isEmpty(), qPrintable(QString("page %1: %2").arg(page).arg(over.join(", "))));
    }
    for (int i = 1; i <= customers; ++i) {
        const QString first = QString::number(i) + " first", last = QString::number(i) + " last";
        QVERIFY2(pageOf.contains(first) && pageOf.value(first) == pageOf.value(last, -1),
                 qPrintable(QString("customer %1 on pages %2 and %3").arg(i).arg(pageOf.value(first)).arg(pageOf.value(last))));
    }
}

void tst_reportviewer::groupedReportsReadWholeOverPages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("rowKey");
    const QMap<QString, QPair<QStringList, QStringList>> titles{
        {"sales detailed",
         {{"Warehouse", "Invoice No.", "Date", "Ship Date", "Employee", "Total"},
          {"المخزن", "رقم الفاتورة", "التاريخ", "تاريخ الشحن", "الموظف", "الإجمالي"}}},
        {"statement of account", {{"Date", "Debit", "Credit", "Description"}, {"التاريخ", "مدين", "دائن", "البيان"}}},
        {"pending sales orders",
         {{"Order No.", "Date", "Ship Date", "Total", "Deposit Paid", "Comments"},
          {"رقم الأمر", "التاريخ", "تاريخ الشحن", "الإجمالي", "العربون المدفوع", "ملاحظات"}}}};
    // What names a row once in the whole report: the invoice's or order's number, or the
    // statement's invoice amount.
    const QMap<QString, QString> rowKeys{{"sales detailed", "INV-{id}"},
                                         {"statement of account", "{total}"},
                                         {"pending sales orders", "SO-{id}"}};
    for (const QString &language : {QString("en"), QString("ar")})
        for (auto report = titles.cbegin(); report != titles.cend(); ++report)
            QTest::newRow(qPrintable(report.key() + ", " + language))
                << language << report.key()
                << (language == "en" ? report.value().first : report.value().second) << rowKeys.value(report.key());
}

// Reports of a block per customer over several pages: each page shows the block's column
// titles, each row is printed whole on one page, a note that wraps keeps its lines
// together, and no text is drawn over another's.
void tst_reportviewer::groupedReportsReadWholeOverPages()
{
    QFETCH(QString, language);
    QFETCH(QString, report);
    QFETCH(QStringList, titles);
    QFETCH(QString, rowKey);
    TestSupport::freshCompany();
    EXEC_SQL("INSERT INTO persons (PersonId, PersonName) VALUES (21, 'Sara Ahmed')");
    EXEC_SQL("INSERT INTO employees (EmployeeId, EmployeePersonId, IsActive) VALUES (2, 21, 1)");
    const int customers = 4, documents = 14;
    QStringList keys;
    for (int c = 1; c <= customers; ++c) {
        EXEC_SQL(QString("INSERT INTO customers (CustomerId, CustomerName) VALUES (%1, '%2')")
                     .arg(c)
                     .arg(c % 2 ? QString("Nile Delta Import %1").arg(c)
                                : QString::fromUtf8("شركة النيل للتجارة %1").arg(c)));
        for (int d = 1; d <= documents; ++d) {
            const int id = (c - 1) * documents + d;
            const QString total = QString::number(1000 + id * 7.25);
            const QString deposit = id % 3 ? "0" : "100";
            const QString note = id % 2 ? "Deliver after the 15th please, call first"
                                        : QString::fromUtf8("تسليم سريع إلى المخزن الرئيسي");
            EXEC_SQL(QString("INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, WarehouseId, "
                             "EmployeeId, `Date`, ShipDate, Total, DepositPaid) "
                             "VALUES (%1, 'INV-%1', %2, 1, 2, '2024-01-%3', '2024-02-%3', %4, %5)")
                         .arg(id).arg(c).arg(d, 2, 10, QChar('0')).arg(total, deposit));
            EXEC_SQL(QString("INSERT INTO salesorder (SalesOrderId, SalesOrderNo, CustomerId, `Date`, ShipDate, Total, "
                             "DepositPaid, Comments) VALUES (%1, 'SO-%1', %2, '2024-01-%3', '2024-02-%3', %4, %5, '%6')")
                         .arg(id).arg(c).arg(d, 2, 10, QChar('0')).arg(total, deposit, note));
            keys << QString(rowKey).replace("{id}", QString::number(id)).replace("{total}", total);
        }
    }
    // The blocks' texts are the program's own, translated.
    const TestSupport::InterfaceLanguage interface(language == "ar");
    QVERIFY(interface.ready());
    languageCode = language;
    companyPhone = "+20 2 2345 6789";
    companyAddress = "12 Tahrir Square, Cairo";
    if (report == "sales detailed")
        RptCustomerSalesDetailed::showReport(QString());
    else if (report == "statement of account")
        RptCustomerStatementOfAccount::showReport(QString(), QString());
    else
        RptPendingSalesOrders::showReport();
    QCOMPARE(TestSupport::messageLog(), QString());
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    const QString file = output->filePath("grouped.pdf");

    ReportSupport::exportPdf(viewer, file);

    const int pages = ReportSupport::pdfInfo(file, "Pages").toInt();
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    QHash<QString, int> timesPrinted;
    for (int page = 1; page <= pages; ++page) {
        const QString text = ReportSupport::pdfPageLayout(file, page);
        for (const QString &title : titles)
            QVERIFY2(text.contains(title.normalized(QString::NormalizationForm_KC)),
                     qPrintable(QString("page %1 lacks %2:\n%3").arg(page).arg(title, text)));
        for (const QString &key : keys)
            timesPrinted[key] += text.count(QRegularExpression("(?<![\\w.])" + QRegularExpression::escape(key) + "(?![\\w.])"));
        QCOMPARE(text.count(QRegularExpression("\\bcall\\b")), text.count(QRegularExpression("\\bfirst\\b")));
        const QStringList over = ReportSupport::wordsDrawnOverOthers(file, page);
        QVERIFY2(over.isEmpty(), qPrintable(QString("page %1: %2").arg(page).arg(over.join(", "))));
    }
    for (const QString &key : keys)
        QVERIFY2(timesPrinted.value(key) == 1, qPrintable(QString("%1 printed %2 times").arg(key).arg(timesPrinted.value(key))));
}

void tst_reportviewer::groupsKeepHeadingsAndTotalsWithTheirRows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("report");
    for (const QString &language : {QString("en"), QString("ar")})
        for (const QString &report : QStringList{"statement of account", "sales detailed", "pending sales orders", "general journal"})
            QTest::newRow(qPrintable(report + ", " + language)) << language << report;
}

// Many groups of one to five rows, so that page breaks fall on every part of a group: a
// group's heading is printed once and whole, followed on its page by its first row; a
// TOTAL row never begins a page.
void tst_reportviewer::groupsKeepHeadingsAndTotalsWithTheirRows()
{
    QFETCH(QString, language);
    QFETCH(QString, report);
    TestSupport::freshCompany();
    EXEC_SQL("INSERT INTO persons (PersonId, PersonName) VALUES (21, 'Sara Ahmed')");
    EXEC_SQL("INSERT INTO employees (EmployeeId, EmployeePersonId, IsActive) VALUES (2, 21, 1)");
    const bool journal = report == "general journal";
    const bool totals = journal || report == "statement of account";
    const int groups = 70;
    QHash<QString, int> headingOf, rowOf; // a text printed once, and its group
    int id = 0;
    for (int g = 1; g <= groups; ++g) {
        const QDate date = QDate(2024, 1, 1).addDays(g);
        if (journal) {
            EXEC_SQL(QString("INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) "
                             "VALUES (%1, '%2', 'Entry %1')").arg(g).arg(date.toString(Qt::ISODate)));
            headingOf.insert(date.toString(dateFormat), g);
            headingOf.insert(QString("Entry %1").arg(g), g);
        } else {
            EXEC_SQL(QString("INSERT INTO customers (CustomerId, CustomerName) VALUES (%1, 'Carter Group %1')").arg(g));
            headingOf.insert(QString("Carter Group %1").arg(g), g);
        }
        for (int r = 0; r <= g * 3 % 5; ++r) {
            ++id;
            const QString amount = QString::number(1000 + id * 4.25); // a group's sum is never one of them
            const QString day = QDate(2024, 1, 1).addDays(id).toString(Qt::ISODate); // the statement sums a day
            if (journal) {
                EXEC_SQL(QString("INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit, Comment) "
                                 "VALUES (%1, 35, %2, 0, 'Line-%3')").arg(g).arg(amount).arg(id));
                rowOf.insert(QString("Line-%1").arg(id), g);
            } else if (report == "pending sales orders") {
                EXEC_SQL(QString("INSERT INTO salesorder (SalesOrderId, SalesOrderNo, CustomerId, `Date`, ShipDate, Total, "
                                 "DepositPaid) VALUES (%1, 'SO-%1', %2, '%3', '%3', %4, 0)")
                             .arg(id).arg(g).arg(day, amount));
                rowOf.insert(QString("SO-%1").arg(id), g);
            } else {
                EXEC_SQL(QString("INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, WarehouseId, "
                                 "EmployeeId, `Date`, ShipDate, Total, DepositPaid) VALUES (%1, 'INV-%1', %2, 1, 2, '%3', '%3', %4, 0)")
                             .arg(id).arg(g).arg(day, amount));
                rowOf.insert(report == "sales detailed" ? QString("INV-%1").arg(id) : amount, g);
            }
        }
    }
    const TestSupport::InterfaceLanguage interface(language == "ar");
    QVERIFY(interface.ready());
    languageCode = language;
    if (journal)
        RptGeneralJournalList::showReport();
    else if (report == "statement of account")
        RptCustomerStatementOfAccount::showReport(QString(), QString());
    else if (report == "sales detailed")
        RptCustomerSalesDetailed::showReport(QString());
    else
        RptPendingSalesOrders::showReport();
    QCOMPARE(TestSupport::messageLog(), QString());
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    const QString file = output->filePath("groups.pdf");

    ReportSupport::exportPdf(viewer, file);

    const QRegularExpression total(language == "ar" ? QString::fromUtf8("الإجمالي") : QString("\\bTOTAL\\b"));
    auto keyed = [](const QHash<QString, int> &keys) {
        QVector<QPair<QRegularExpression, int>> found;
        for (auto key = keys.cbegin(); key != keys.cend(); ++key)
            found.append({QRegularExpression("(?<![\\w.-])" + QRegularExpression::escape(key.key()) + "(?![\\w.])"),
                          key.value()});
        return found;
    };
    const auto headings = keyed(headingOf), rows = keyed(rowOf);
    const int pages = ReportSupport::pdfInfo(file, "Pages").toInt();
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
    QHash<int, QList<int>> headingPages; // group => the page of each heading line printed
    for (int page = 1; page <= pages; ++page) {
        // The page's lines as events: 'H' a heading's line, 'R' a row, 'T' a total.
        QVector<QPair<QChar, int>> events;
        for (const QString &line : ReportSupport::pdfPageLayout(file, page).split('\n')) {
            if (totals && line.contains(total)) {
                events.append({'T', 0});
                continue;
            }
            for (const auto &heading : headings)
                if (line.contains(heading.first)) {
                    events.append({'H', heading.second});
                    headingPages[heading.second] << page;
                }
            for (const auto &row : rows)
                if (line.contains(row.first))
                    events.append({'R', row.second});
        }
        const QString where = QString("page %1: ").arg(page);
        QVERIFY2(!events.isEmpty() && events.first().first != 'T', qPrintable(where + "a total begins the page"));
        for (int e = 0; e < events.size(); ++e) {
            if (events.at(e).first != 'H' || (e + 1 < events.size() && events.at(e + 1).first == 'H'))
                continue;
            QVERIFY2(e + 1 < events.size() && events.at(e + 1) == qMakePair(QChar('R'), events.at(e).second),
                     qPrintable(where + QString("group %1's heading without its first row").arg(events.at(e).second)));
        }
    }
    for (int g = 1; g <= groups; ++g) {
        const QList<int> printed = headingPages.value(g);
        QVERIFY2(printed.size() == (journal ? 2 : 1) && printed.first() == printed.last(),
                 qPrintable(QString("group %1's heading printed on pages %2").arg(g).arg(
                     [&] { QStringList p; for (int n : printed) p << QString::number(n); return p.join(", "); }())));
    }
}

void tst_reportviewer::printingLeavesThePreviewAsItWas_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("arabic");
    QTest::newRow("Export PDF, English") << "Export PDF" << false;
    QTest::newRow("Export PDF, Arabic") << "Export PDF" << true;
    QTest::newRow("Print, English") << "Print" << false;
    QTest::newRow("Print, Arabic") << "Print" << true;
}

// A page longer than the preview, printed, and then scrolled on with the mouse wheel.
void tst_reportviewer::printingLeavesThePreviewAsItWas()
{
    QFETCH(QString, command);
    QFETCH(bool, arabic);
    rightToLeft = arabic;
    QString html = QString("<html dir=\"%1\"><body><h1>%2</h1><table><thead><tr><th>%3</th></tr></thead><tbody>")
                       .arg(arabic ? "rtl" : "ltr", arabic ? QString::fromUtf8("قائمة العملاء") : "Customer List",
                            arabic ? QString::fromUtf8("اسم العميل") : "Customer Name");
    for (int i = 1; i <= 120; ++i)
        html += QString("<tr><td>Row %1</td></tr>").arg(i);
    frmReportViewer *viewer = showPage(html + "</tbody></table></body></html>");
    viewer->resize(640, 480);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QWebFrame *frame = viewer->webView->page()->mainFrame();
    frame->setScrollPosition(QPoint(0, 300));
    const QSize viewport = viewer->webView->page()->viewportSize();
    const QRect bar = frame->scrollBarGeometry(Qt::Vertical);
    const QPoint scrolled = frame->scrollPosition();
    QVERIFY(bar.height() > 0 && scrolled.y() == 300);
    const QString file = output->filePath("preview.pdf");
    Printing::printOn = [&](QWebFrame *printed, QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return PagePrint::print(printed, printer);
    };

    if (command == "Print")
        trigger(viewer, command);
    else
        ReportSupport::exportPdf(viewer, file);

    QVERIFY(ReportSupport::pdfInfo(file, "Pages").toInt() >= 2);
    QVERIFY(ReportSupport::pdfText(file).contains("Row 120"));
    QCOMPARE(viewer->webView->page()->viewportSize(), viewport);
    QCOMPARE(frame->scrollPosition(), scrolled);
    QCOMPARE(frame->scrollBarGeometry(Qt::Vertical), bar);
    QWheelEvent wheel(QPointF(100, 100), viewer->webView->mapToGlobal(QPoint(100, 100)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewer->webView, &wheel);
    QTRY_VERIFY2(frame->scrollPosition().y() > scrolled.y(), qPrintable(QString::number(frame->scrollPosition().y())));
}

void tst_reportviewer::titlesTallerThanAPagePrintOnce_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("titlesHeight");
    QTest::newRow("A4, titles of two pages") << 0 << 2600;
    QTest::newRow("A6, titles of three pages") << 2 << 1800;
}

void tst_reportviewer::titlesTallerThanAPagePrintOnce()
{
    QFETCH(int, paper);
    QFETCH(int, titlesHeight);
    QString html = QString("<h1>Tall</h1><table><thead><tr><th style=\"height: %1px; vertical-align: top;\">"
                           "Column Titles</th></tr></thead><tbody>").arg(titlesHeight);
    const int rows = 80;
    for (int i = 1; i <= rows; ++i)
        html += QString("<tr><td>Row %1</td></tr>").arg(i);
    frmReportViewer *viewer = showPage(html + "</tbody></table>");
    const QString file = output->filePath("tall.pdf");

    ReportSupport::exportPdf(viewer, file, paper);

    const QString text = ReportSupport::pdfText(file);
    QVERIFY(ReportSupport::pdfInfo(file, "Pages").toInt() >= 3);
    QCOMPARE(text.count("Column Titles"), 1);
    for (int i = 1; i <= rows; ++i)
        QVERIFY2(text.count(QRegularExpression(QString("\\bRow %1\\b").arg(i))) == 1, qPrintable(QString("Row %1").arg(i)));
    QCOMPARE(TestSupport::messageLog(), QString());
}

void tst_reportviewer::saveAsProposesTheReportTitle_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("English") << "en" << "Vendor List.pdf";
    QTest::newRow("Arabic") << "ar" << QString::fromUtf8("قائمة الموردين.pdf");
}

void tst_reportviewer::saveAsProposesTheReportTitle()
{
    QFETCH(QString, language);
    QFETCH(QString, fileName);
    languageCode = language;
    rightToLeft = language == "ar";
    RptVendorList::showReport();
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    const FileDialogs::FileFn realDialog = FileDialogs::getSaveFileName;
    QString proposed;
    FileDialogs::getSaveFileName = [&](QWidget *, const QString &, const QString &dir, const QString &) {
        proposed = dir;
        return QString();
    };
    trigger(viewer, frmReportViewer::tr("Export PDF"));
    FileDialogs::getSaveFileName = realDialog;
    QCOMPARE(QFileInfo(proposed).fileName(), fileName);
}

void tst_reportviewer::saveAsCaptionIsTranslated()
{
    TestSupport::MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    frmReportViewer *viewer = showPage("<p>page</p>");
    const FileDialogs::FileFn realDialog = FileDialogs::getSaveFileName;
    QString caption;
    FileDialogs::getSaveFileName = [&](QWidget *, const QString &shown, const QString &, const QString &) {
        caption = shown;
        return QString();
    };
    trigger(viewer, frmReportViewer::tr("Export PDF"));
    FileDialogs::getSaveFileName = realDialog;
    QCoreApplication::removeTranslator(&marking);
    QCOMPARE(caption, QString("[frmReportViewer] Save As"));
}

ZARPO_TEST_MAIN(tst_reportviewer)
#include "tst_reportviewer.moc"
