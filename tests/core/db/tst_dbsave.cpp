#include "core/db/dbsave.h"
#include "tests/support/heldchange.h"
#include "tests/support/testsupport.h"

#include <QSqlQuery>

class tst_dbsave : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storedRecordMustStillBeThere_data();
    void storedRecordMustStillBeThere();
    void lockWaitsForADeletionHeldOpen_data();
    void lockWaitsForADeletionHeldOpen();
};

void tst_dbsave::init()
{
    TestSupport::freshCompany();
    EXEC_SQL("Insert into persons (PersonId, PersonName) values (7, 'Ann')");
}

void tst_dbsave::storedRecordMustStillBeThere_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("personId");
    QTest::addColumn<bool>("saved");

    QTest::newRow("update of a stored row") << "update" << 7 << true;
    QTest::newRow("update that changes nothing still counts") << "same" << 7 << true;
    QTest::newRow("update of a deleted row") << "update" << 99 << false;
    QTest::newRow("delete of a deleted row") << "delete" << 99 << false;
    QTest::newRow("lock of a stored row") << "lock" << 7 << true;
    QTest::newRow("lock of a deleted row") << "lock" << 99 << false;
}

void tst_dbsave::storedRecordMustStillBeThere()
{
    QFETCH(QString, step);
    QFETCH(int, personId);
    QFETCH(bool, saved);

    cDbSave save;
    QSqlQuery first = save.prepare(QStringLiteral("Insert into persons (PersonName) values ('Bob')"));
    save.exec(first);
    if (step == QLatin1String("lock")) {
        save.lockStored(QStringLiteral("persons"), QStringLiteral("PersonId"), personId);
    } else {
        QSqlQuery query = save.prepare(
            step == QLatin1String("delete") ? QStringLiteral("Delete from persons where PersonId = :id")
            : step == QLatin1String("same") ? QStringLiteral("Update persons set PersonName = 'Ann' where PersonId = :id")
                                            : QStringLiteral("Update persons set PersonName = 'Eve' where PersonId = :id"));
        query.bindValue(QStringLiteral(":id"), personId);
        save.execOnStored(query);
    }
    QCOMPARE(save.commit(), saved);
    QCOMPARE(TestSupport::queryValue("select count(*) from persons where PersonName = 'Bob'").toInt(), saved ? 1 : 0);
    QCOMPARE(save.errorText().isEmpty(), saved);
    if (!saved)
        QCOMPARE(save.errorText(), cDbSave::recordGoneText());
}

void tst_dbsave::lockWaitsForADeletionHeldOpen_data()
{
    QTest::addColumn<bool>("chosen"); // a record the saved one refers to, not the saved one
    QTest::newRow("the stored record") << false;
    QTest::newRow("a chosen record") << true;
}

// Another user deletes the row and commits while the lock waits: a read that does not
// lock would find it and let the save go on to write against a row that is gone.
void tst_dbsave::lockWaitsForADeletionHeldOpen()
{
    QFETCH(bool, chosen);
    cDbSave save;
    TestSupport::HeldChange other({"delete from persons where PersonId = 7"});

    if (chosen)
        save.lockChosen(QStringLiteral("persons"), QStringLiteral("PersonId"), {7}, QStringLiteral("the chosen person"));
    else
        save.lockStored(QStringLiteral("persons"), QStringLiteral("PersonId"), 7);
    QCOMPARE(other.finish(), QString());

    QVERIFY(!save.commit());
    QCOMPARE(save.errorText(), chosen ? cDbSave::recordGoneText("the chosen person") : cDbSave::recordGoneText());
}

ZARPO_TEST_MAIN(tst_dbsave)
#include "tst_dbsave.moc"
