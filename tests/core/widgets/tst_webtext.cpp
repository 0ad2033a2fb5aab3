#include "core/widgets/webtext.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"

#include <QWebFrame>
#include <QWebPage>

// The text of a right-to-left page as it reads after the mend, each element's own text
// marked with the embedding it got.
class tst_webtext : public QObject
{
    Q_OBJECT

private slots:
    void textLaidOutByItsFirstLetter_data();
    void textLaidOutByItsFirstLetter();
    void wrappedTextPaintsInItsOrder_data();
    void wrappedTextPaintsInItsOrder();
};

void tst_webtext::textLaidOutByItsFirstLetter_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("shown");

    const QString ltr = QString(QChar(0x202A)), pop = QString(QChar(0x202C));
    QTest::newRow("a Latin-led address keeps its number first")
        << "<div>1 Nile St</div>" << ltr + "1 Nile St" + pop;
    QTest::newRow("a phone number") << "<div>0100 555 1234</div>" << ltr + "0100 555 1234" + pop;
    QTest::newRow("text between children too")
        << "<div>1 Nile St<br/>0100</div>" << ltr + "1 Nile St" + pop + "\n" + ltr + "0100" + pop;
    QTest::newRow("Arabic stays as it is") << QString::fromUtf8("<div>شارع النيل</div>")
                                            << QString::fromUtf8("شارع النيل");
    QTest::newRow("a child's text is mended once")
        << "<div><span>Rice</span></div>" << ltr + "Rice" + pop;
}

void tst_webtext::textLaidOutByItsFirstLetter()
{
    QFETCH(QString, body);
    QFETCH(QString, shown);
    QWebPage page;
    bool loaded = false;
    connect(&page, &QWebPage::loadFinished, [&] { loaded = true; });
    page.mainFrame()->setHtml("<html dir=\"rtl\"><body>" + body + "</body></html>");
    QTRY_VERIFY(loaded);

    WebText::mendRightToLeftText(page.mainFrame());

    QCOMPARE(page.mainFrame()->toPlainText(), shown);
}

void tst_webtext::wrappedTextPaintsInItsOrder_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("an address led by its number") << "1 Nile St, Cairo 2";
    QTest::newRow("a document number with signs") << "SO <7> & $CUST_NAME";
    QTest::newRow("a note over several lines") << "Deliver after the 15th please, SO <7> & Green Valley Co.";
}

// Latin text in a narrow cell of a right-to-left page, over two lines or more: each line,
// read from the left, goes on where the line above ended.
void tst_webtext::wrappedTextPaintsInItsOrder()
{
    QFETCH(QString, text);
    QWebPage page;
    page.setViewportSize(QSize(600, 400));
    bool loaded = false;
    connect(&page, &QWebPage::loadFinished, [&] { loaded = true; });
    page.mainFrame()->setHtml("<html dir=\"rtl\"><body><table><tr><td style=\"width: 60px\">" + text.toHtmlEscaped()
                              + "</td></tr></table></body></html>");
    QTRY_VERIFY(loaded);

    WebText::mendRightToLeftText(page.mainFrame());

    const QStringList outOfOrder = ReportSupport::latinTextOutOfOrder(page.mainFrame(), "td");
    QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder.join('\n')));
}

ZARPO_TEST_MAIN(tst_webtext)
#include "tst_webtext.moc"
