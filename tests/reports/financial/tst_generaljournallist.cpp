#include "core/system/globals.h"
#include "reports/financial/RptGeneralJournalList.h"
#include "reports/framework/frmReportViewer.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"

#include <QTranslator>
#include <QWebFrame>
#include <QWebView>

// The journal list's entry block comes from the translation as a whole; the pages
// themselves are compared with their expected text in the reports test (folders GJLST ...).
class tst_generaljournallist : public QObject
{
    Q_OBJECT

private slots:
    void arabicTranslationGivesTheWholeBlock();
};

void tst_generaljournallist::arabicTranslationGivesTheWholeBlock()
{
    ReportSupport::copyReportTemplates();
    TestSupport::freshCompany();
    EXEC_SQL("INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) VALUES (1, '2013-05-24', 'قيد افتتاحي')");
    EXEC_SQL("INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit, Comment) VALUES "
             "(1, 35, 1500, 0, NULL), (1, 54, 0, 1500, 'رأس المال')");
    languageCode = QStringLiteral("ar");
    rightToLeft = true;
    QTranslator arabic;
    QVERIFY(arabic.load(QCoreApplication::applicationDirPath() + "/../../../zarpo_ar.qm"));
    QCoreApplication::installTranslator(&arabic);
    RptGeneralJournalList::showReport();
    QCoreApplication::removeTranslator(&arabic);

    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    QString text = viewer->webView->page()->mainFrame()->toPlainText();
    text.remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}]")));
    QVERIFY2(text.contains("تاريخ القيد: 24/5/2013\nالبيان: قيد افتتاحي\n"
                           "الحساب\tمدين\tدائن\tملاحظات\n"
                           "10100: حساب بنكي\t1500\t0\t\n"
                           "30100: رأس المال المدفوع\t0\t1500\tرأس المال\n"
                           "الإجمالي\t1500\t1500\t"),
             qPrintable(text));
    ReportSupport::closeViewers();
}

ZARPO_TEST_MAIN(tst_generaljournallist)
#include "tst_generaljournallist.moc"
