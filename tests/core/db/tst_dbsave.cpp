#include "core/db/dbsave.h"
#include "tests/support/testsupport.h"

#include <QSqlQuery>

class tst_dbsave : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storedRecordMustStillBeThere_data();
    void storedRecordMustStillBeThere();
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

ZARPO_TEST_MAIN(tst_dbsave)
#include "tst_dbsave.moc"
