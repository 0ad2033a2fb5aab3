#include "core/system/globals.h"
#include "core/system/messages.h"
#include "tests/support/heldchange.h"
#include "tests/support/testsupport.h"

#include <QDialog>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

// Checks the harness itself: ctest runs this executable twice side by side.
class tst_harness : public QObject
{
    Q_OBJECT

private slots:
    void eachProcessGetsItsOwnCompany();
    void messageBoxesAreRecordedNotShown();
    void modalDialogsCanBeDriven();
    void heldChangesAtOnceEachWaitForTheStep();
    void heldChangeTellsThatNothingWaited();
};

void tst_harness::eachProcessGetsItsOwnCompany()
{
    const QString first = TestSupport::freshCompany();
    QCOMPARE(dbName, first);
    QCOMPARE(QSqlDatabase::database().databaseName(), first);
    QCOMPARE(TestSupport::queryValue("select count(*) from companyinfo").isValid(), true);
    const QString marker = QString::number(QCoreApplication::applicationPid());
    EXEC_SQL("insert into departments (Department) values ('" + marker + "')");
    QThread::msleep(300); // give the twin process time to write into its own database
    QCOMPARE(TestSupport::queryValue("select group_concat(Department) from departments").toString(), marker);

    const QString second = TestSupport::freshCompany();
    QVERIFY(second != first);
    QCOMPARE(TestSupport::queryValue(
                 "select count(*) from information_schema.schemata where schema_name = '" + first + "'").toInt(),
             0);
    QCOMPARE(TestSupport::queryValue("select count(*) from departments").toInt(), 0);
}

void tst_harness::messageBoxesAreRecordedNotShown()
{
    TestSupport::MessageRecorder::clear();
    QCOMPARE(Messages::critical(nullptr, msgCaption, "Insert failed: \nboom"), QMessageBox::Ok);
    QCOMPARE(Messages::question(nullptr, msgCaption, "Delete "), QMessageBox::No);
    TestSupport::MessageRecorder::answerNext(QMessageBox::Yes);
    QCOMPARE(Messages::question(nullptr, msgCaption, "Delete again"), QMessageBox::Yes);

    const QList<TestSupport::Message> &messages = TestSupport::MessageRecorder::messages();
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messages.at(0).kind, Messages::Critical);
    QCOMPARE(messages.at(0).title, QString("Zarpo"));
    QCOMPARE(messages.at(0).text, QString("Insert failed: \nboom"));
    QCOMPARE(messages.at(1).kind, Messages::Question);
}

void tst_harness::modalDialogsCanBeDriven()
{
    QDialog dialog;
    dialog.setObjectName("probe");
    QString seen;
    TestSupport::whenModal([&](QWidget *modal) {
        seen = modal->objectName();
        static_cast<QDialog *>(modal)->accept();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(seen, QString("probe"));
}

// Two other users' changes held open at once, each on a session of its own: a step that
// needs both rows waits for the first, then for the second, and finds both committed.
void tst_harness::heldChangesAtOnceEachWaitForTheStep()
{
    TestSupport::freshCompany();
    EXEC_SQL("insert into persons (PersonId, PersonName) values (11, 'Ann'), (12, 'Bob')");
    TestSupport::HeldChange first({"update persons set City = 'Giza' where PersonId = 11"});
    TestSupport::HeldChange second({"update persons set City = 'Suez' where PersonId = 12"});

    QSqlQuery step;
    QVERIFY(step.exec("select group_concat(City order by PersonId) from persons where PersonId in (11, 12) for update"));
    QVERIFY(step.next());

    QCOMPARE(first.finish(), QString());
    QCOMPARE(second.finish(), QString());
    QCOMPARE(step.value(0).toString(), QString("Giza,Suez"));
}

// A step that reads the held rows without locking them sees them as they were; the change
// then fails, so that a test built on it cannot pass without the wait it means to show,
// and is committed all the same. Its patience, shorter than a test's own, still leaves a
// slow machine the time to run the change's statements.
void tst_harness::heldChangeTellsThatNothingWaited()
{
    TestSupport::freshCompany();
    EXEC_SQL("insert into persons (PersonId, PersonName, City) values (11, 'Ann', 'Cairo')");
    TestSupport::HeldChange change({"update persons set City = 'Giza' where PersonId = 11"},
                                   std::chrono::seconds(2));

    QSqlQuery step;
    QVERIFY(step.exec("select City from persons where PersonId = 11"));
    QVERIFY(step.next());

    const QString failure = change.finish();
    QVERIFY2(failure.startsWith("No session waited for the held change within 2 s"), qPrintable(failure));
    QCOMPARE(step.value(0).toString(), QString("Cairo"));
    QCOMPARE(TestSupport::queryValue("select City from persons where PersonId = 11").toString(), QString("Giza"));
}

ZARPO_TEST_MAIN(tst_harness)
#include "tst_harness.moc"
