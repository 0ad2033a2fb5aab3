#include "accounting/frmFiscalYear.h"
#include "accounting/frmFiscalYearView.h"
#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
QDateEdit *dateEdit(QWidget *window, const char *name)
{
    return window->findChild<QDateEdit *>(name);
}
}

class tst_fiscalyear : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newYearEndsTheDayBeforeItsAnniversary_data();
    void newYearEndsTheDayBeforeItsAnniversary();
    void closedFlagIsStoredAndListed_data();
    void closedFlagIsStoredAndListed();
    void editShowsTheStoredEndUntilFromChanges();
    void saveRefusesAYearItCannotStore_data();
    void saveRefusesAYearItCannotStore();
    void listCommands_data();
    void listCommands();
};

void tst_fiscalyear::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_fiscalyear::newYearEndsTheDayBeforeItsAnniversary_data()
{
    QTest::addColumn<QDate>("from"); // invalid: the date the editor opens with
    QTest::addColumn<QDate>("to");
    QTest::newRow("untouched new year") << QDate() << QDate(2000, 12, 31);
    QTest::newRow("calendar year") << QDate(2013, 1, 1) << QDate(2013, 12, 31);
    QTest::newRow("mid-year start") << QDate(2013, 7, 1) << QDate(2014, 6, 30);
    QTest::newRow("leap day start ends on 28 February") << QDate(2012, 2, 29) << QDate(2013, 2, 28);
    QTest::newRow("start on 28 February of a leap year") << QDate(2012, 2, 28) << QDate(2013, 2, 27);
    QTest::newRow("year running over a leap day") << QDate(2011, 3, 1) << QDate(2012, 2, 29);
}

void tst_fiscalyear::newYearEndsTheDayBeforeItsAnniversary()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    frmFiscalYear editor(nullptr, 0);
    editor.show();
    if (from.isValid())
        dateEdit(&editor, "dateFrom")->setDate(from);

    QCOMPARE(dateEdit(&editor, "dateTo")->date(), to);
    click(&editor, "btnSave");

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(messageLog()));
    QVERIFY(!editor.isVisible());
    QCOMPARE(TestSupport::queryValue("select count(*) from fiscalyear").toInt(), 1);
    QCOMPARE(TestSupport::queryValue("select `From` from fiscalyear").toDate(),
             from.isValid() ? from : QDate(2000, 1, 1));
    QCOMPARE(TestSupport::queryValue("select `To` from fiscalyear").toDate(), to);
}

void tst_fiscalyear::closedFlagIsStoredAndListed_data()
{
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("listed");
    QTest::newRow("open year") << false << false << "False";
    QTest::newRow("closed year") << true << false << "True";
    QTest::newRow("closed year in Arabic") << true << true << QString::fromUtf8("نعم");
}

void tst_fiscalyear::closedFlagIsStoredAndListed()
{
    QFETCH(bool, closed);
    QFETCH(bool, arabic);
    QFETCH(QString, listed);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    frmFiscalYear editor(nullptr, 0);
    dateEdit(&editor, "dateFrom")->setDate(QDate(2013, 1, 1));
    editor.findChild<QCheckBox *>("chkClosed")->setChecked(closed);
    click(&editor, "btnSave");

    frmFiscalYearView list;
    auto *table = list.findChild<QTableView *>("tblFiscalYears");
    QCOMPARE(table->model()->rowCount(), 1);
    QCOMPARE(table->model()->index(0, 3).data().toString(), listed);
    QCOMPARE(TestSupport::queryValue("select IsClosed + 0 from fiscalyear").toInt(), closed ? 1 : 0);
    frmFiscalYear reopened(nullptr, TestSupport::queryValue("select FiscalYearId from fiscalyear").toInt());
    QCOMPARE(reopened.findChild<QCheckBox *>("chkClosed")->isChecked(), closed);
    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(messageLog()));
}

void tst_fiscalyear::editShowsTheStoredEndUntilFromChanges()
{
    EXEC_SQL("insert into fiscalyear (`From`, `To`, IsClosed) values ('2013-01-01', '2013-06-30', 0)");
    const int id = TestSupport::queryValue("select FiscalYearId from fiscalyear").toInt();
    frmFiscalYear editor(nullptr, id);
    editor.show();

    QCOMPARE(dateEdit(&editor, "dateFrom")->date(), QDate(2013, 1, 1));
    QCOMPARE(dateEdit(&editor, "dateTo")->date(), QDate(2013, 6, 30));
    dateEdit(&editor, "dateFrom")->setDate(QDate(2014, 4, 1));
    QCOMPARE(dateEdit(&editor, "dateTo")->date(), QDate(2015, 3, 31));
    click(&editor, "btnSave");

    QVERIFY(!editor.isVisible());
    QCOMPARE(TestSupport::queryValue("select count(*) from fiscalyear").toInt(), 1);
    QCOMPARE(TestSupport::queryValue("select `To` from fiscalyear").toDate(), QDate(2015, 3, 31));
}

void tst_fiscalyear::saveRefusesAYearItCannotStore_data()
{
    QTest::addColumn<bool>("stored"); // an existing year, else a new one
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("deletedMeanwhile");
    QTest::addColumn<QString>("message"); // empty: saved
    const QString backwards = "The fiscal year cannot end before it starts.";
    QTest::newRow("a new year ending before it starts") << false << QDate(2012, 12, 31) << false << backwards;
    QTest::newRow("a stored year moved to end before it starts") << true << QDate(2012, 12, 31) << false << backwards;
    QTest::newRow("a year of one day") << false << QDate(2013, 1, 1) << false << "";
    QTest::newRow("a year another user deleted meanwhile")
        << true << QDate(2013, 12, 31) << true << cDbSave::recordGoneText();
}

void tst_fiscalyear::saveRefusesAYearItCannotStore()
{
    QFETCH(bool, stored);
    QFETCH(QDate, to);
    QFETCH(bool, deletedMeanwhile);
    QFETCH(QString, message);
    EXEC_SQL("insert into fiscalyear (FiscalYearId, `From`, `To`, IsClosed) values (7, '2013-01-01', '2013-12-31', 0)");
    frmFiscalYear editor(nullptr, stored ? 7 : 0);
    editor.show();
    dateEdit(&editor, "dateFrom")->setDate(QDate(2013, 1, 1));
    dateEdit(&editor, "dateTo")->setDate(to);
    if (deletedMeanwhile)
        EXEC_SQL("delete from fiscalyear");

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), message.isEmpty() ? QString() : messageEntry(Messages::Critical, message));
    QCOMPARE(editor.isVisible(), !message.isEmpty());
    QCOMPARE(dateEdit(&editor, "dateTo")->date(), to);
    const int years = deletedMeanwhile ? 0 : message.isEmpty() && !stored ? 2 : 1;
    QCOMPARE(TestSupport::queryValue("select count(*) from fiscalyear").toInt(), years);
    if (!message.isEmpty() && years == 1)
        QCOMPARE(TestSupport::queryValue("select `To` from fiscalyear").toDate(), QDate(2013, 12, 31));
}

void tst_fiscalyear::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen"); // the start date of the chosen year, empty: none
    QTest::addColumn<int>("answer"); // the question's answer; NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("yearsLeft");
    const QString question = QString::number(Messages::Question) + ": Delete : 2013-01-01";
    QTest::newRow("edit without a row")
        << "btnEdit" << "" << int(QMessageBox::NoButton)
        << QStringList{QString::number(Messages::Information) + ": " + msgSelectItemToEdit} << 2;
    QTest::newRow("delete without a row")
        << "btnDelete" << "" << int(QMessageBox::NoButton)
        << QStringList{QString::number(Messages::Information) + ": " + msgSelectItemToDelete} << 2;
    QTest::newRow("delete answered No") << "btnDelete" << "2013-01-01" << int(QMessageBox::No) << QStringList{question}
                                        << 2;
    QTest::newRow("delete answered Yes") << "btnDelete" << "2013-01-01" << int(QMessageBox::Yes)
                                         << QStringList{question} << 1;
}

void tst_fiscalyear::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(int, yearsLeft);
    EXEC_SQL("insert into fiscalyear (`From`, `To`, IsClosed) values ('2013-01-01', '2013-12-31', 0), "
             "('2014-01-01', '2014-12-31', 0)");
    frmFiscalYearView list;
    if (!chosen.isEmpty())
        chooseRow(&list, QDate::fromString(chosen, Qt::ISODate));
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    QCOMPARE(TestSupport::queryValue("select count(*) from fiscalyear").toInt(), yearsLeft);
    QCOMPARE(list.findChild<QTableView *>("tblFiscalYears")->model()->rowCount(), yearsLeft);
}

ZARPO_TEST_MAIN(tst_fiscalyear)
#include "tst_fiscalyear.moc"
