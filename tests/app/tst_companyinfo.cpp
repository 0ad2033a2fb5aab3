#include "app/frmCompanyInfo.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>

using TestSupport::MessageRecorder;

class tst_companyinfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheStoredDetails();
    void saveWritesTheRow_data();
    void saveWritesTheRow();
    void failedSaveKeepsTheFields();
    void failedLoadShowsTheServerText();
    void fieldsHoldNoMoreThanTheirColumns_data();
    void fieldsHoldNoMoreThanTheirColumns();

private:
    void open();
    QLineEdit *field(const QString &name) { return window->findChild<QLineEdit *>(name); }

    QPointer<frmCompanyInfo> window;
};

void tst_companyinfo::initTestCase()
{
    TestSupport::freshCompany();
}

void tst_companyinfo::init()
{
    MessageRecorder::clear();
    companyName = "As read at login";
    EXEC_SQL("delete from companyinfo");
    EXEC_SQL("insert into companyinfo (CompanyName, Address, Phone) values ('My Company', 'Egypt', '000000000000')");
}

void tst_companyinfo::cleanup()
{
    delete window;
}

void tst_companyinfo::open()
{
    window = new frmCompanyInfo(nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void tst_companyinfo::showsTheStoredDetails()
{
    EXEC_SQL("update companyinfo set Address = NULL");
    open();
    QCOMPARE(field("txtCompanyName")->text(), QString("My Company"));
    QCOMPARE(field("txtAddress")->text(), QString());
    QCOMPARE(field("txtPhone")->text(), QString("000000000000"));
    QVERIFY(MessageRecorder::messages().isEmpty());
}

void tst_companyinfo::saveWritesTheRow_data()
{
    QTest::addColumn<int>("rowsBefore");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("phone");

    QTest::newRow("no row: the save inserts one") << 0 << "Shop" << "Cairo" << "0100";
    QTest::newRow("one row: the save updates it") << 1 << "شركة النور" << "القاهرة، مصر" << "+20 2 1234";
    QTest::newRow("two rows: the save writes both alike") << 2 << "Shop" << "Giza" << "";
    QTest::newRow("blank fields stored as NULL") << 1 << "" << "" << "";
    QTest::newRow("spaces stored as typed") << 1 << "Shop" << "   " << "";
    QTest::newRow("quotes and backslashes stored as typed") << 1 << "O'Brien \\ \"Sons\"" << "--;" << "";
}

void tst_companyinfo::saveWritesTheRow()
{
    QFETCH(int, rowsBefore);
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QString, phone);
    if (rowsBefore == 0)
        EXEC_SQL("delete from companyinfo");
    if (rowsBefore == 2)
        EXEC_SQL("insert into companyinfo (CompanyName) values ('Second')");
    open();
    field("txtCompanyName")->setText(name);
    field("txtAddress")->setText(address);
    field("txtPhone")->setText(phone);

    QTest::mouseClick(window->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
    QVERIFY(window.isNull());
    QSqlQuery query("select CompanyName, Address, Phone from companyinfo");
    int rows = 0;
    while (query.next()) {
        ++rows;
        const QStringList typed{name, address, phone};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(query.value(column).isNull(), typed.at(column).isEmpty());
            QCOMPARE(query.value(column).toString(), typed.at(column));
        }
    }
    QCOMPARE(rows, qMax(rowsBefore, 1));
    // The login state keeps what the login read.
    QCOMPARE(companyName, QString("As read at login"));
}

void tst_companyinfo::failedSaveKeepsTheFields()
{
    open();
    field("txtCompanyName")->setText("New name");
    field("txtPhone")->clear();
    EXEC_SQL("rename table companyinfo to companyinfo_away");

    QTest::mouseClick(window->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXEC_SQL("rename table companyinfo_away to companyinfo");
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QCOMPARE(MessageRecorder::last().title, msgCaption);
    QVERIFY2(MessageRecorder::last().text.startsWith("Save failed:\n"), qPrintable(MessageRecorder::last().text));
    QVERIFY2(MessageRecorder::last().text.contains("companyinfo"), qPrintable(MessageRecorder::last().text));
    QVERIFY(!window.isNull() && window->isVisible());
    QCOMPARE(field("txtCompanyName")->text(), QString("New name"));
    QCOMPARE(field("txtAddress")->text(), QString("Egypt"));
    QCOMPARE(field("txtPhone")->text(), QString());

    // Once the server takes it, the same window saves what it kept, as an update.
    QTest::mouseClick(window->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QCOMPARE(TestSupport::queryValue("select count(*) from companyinfo").toInt(), 1);
    QCOMPARE(TestSupport::queryValue("select CompanyName from companyinfo").toString(), QString("New name"));
    QVERIFY(TestSupport::queryValue("select Phone from companyinfo").isNull());
}

void tst_companyinfo::failedLoadShowsTheServerText()
{
    EXEC_SQL("rename table companyinfo to companyinfo_away");
    open();
    EXEC_SQL("rename table companyinfo_away to companyinfo");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.contains("companyinfo' doesn't exist"),
             qPrintable(MessageRecorder::last().text));
    QCOMPARE(field("txtCompanyName")->text(), QString());
}

void tst_companyinfo::fieldsHoldNoMoreThanTheirColumns_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("column");
    QTest::newRow("company name") << "txtCompanyName" << "CompanyName";
    QTest::newRow("address") << "txtAddress" << "Address";
    QTest::newRow("phone") << "txtPhone" << "Phone";
}

// A longer text would be cut by the server without a word; the field refuses it instead.
void tst_companyinfo::fieldsHoldNoMoreThanTheirColumns()
{
    QFETCH(QString, field);
    QFETCH(QString, column);
    const int width = TestSupport::queryValue(
        "select CHARACTER_MAXIMUM_LENGTH from information_schema.columns where table_schema = database() "
        "and table_name = 'companyinfo' and column_name = '" + column + "'").toInt();
    QVERIFY(width > 0);
    open();
    QLineEdit *edit = this->field(field);
    edit->clear();
    QTest::keyClicks(edit, QString(width + 5, QLatin1Char('7')));

    QCOMPARE(edit->text().size(), width);
    QTest::mouseClick(window->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QCOMPARE(TestSupport::queryValue("select " + column + " from companyinfo").toString(), edit->text());
}

ZARPO_TEST_MAIN(tst_companyinfo)
#include "tst_companyinfo.moc"
