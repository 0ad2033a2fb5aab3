#include "core/system/globals.h"
#include "tests/support/testsupport.h"

class tst_globals : public QObject
{
    Q_OBJECT

private slots:
    void messageTextsStandAsWritten();
    void stateBeforeLogin();
};

void tst_globals::messageTextsStandAsWritten()
{
    QCOMPARE(msgCaption, QStringLiteral("Zarpo"));
    QCOMPARE(msgDelete, QStringLiteral("Delete "));
    QCOMPARE(msgInsertFailed, QStringLiteral("Insert failed: "));
    QCOMPARE(msgSelectFailed, QStringLiteral("Select failed: "));
    QCOMPARE(msgDeleteFailed, QStringLiteral("Delete Failed: "));
    QCOMPARE(msgRecordReferenced, QStringLiteral("Other records refer to this record. Delete failed"));
    QCOMPARE(msgSelectItemToEdit, QStringLiteral("Select item to edit"));
    QCOMPARE(msgSelectItemToDelete, QStringLiteral("Select item to delete"));
}

void tst_globals::stateBeforeLogin()
{
    QCOMPARE(currentUserId, 0);
    QCOMPARE(currentEmployeeId, 0);
    QCOMPARE(currentUserName, QStringLiteral("Anonymous"));
    QCOMPARE(currentPersonName, QStringLiteral("Anonymous"));
    QCOMPARE(dbDriver, QStringLiteral("QMYSQL"));
    QCOMPARE(dbHost, QStringLiteral("localhost"));
    QCOMPARE(dbPort, 3306);
    QCOMPARE(dbName, QStringLiteral("accounting"));
    QCOMPARE(dateFormat, QStringLiteral("d/M/yyyy"));
    QCOMPARE(languageCode, QStringLiteral("en"));
    QCOMPARE(rightToLeft, false);
    QCOMPARE(pickedJournalId, -1);
}

ZARPO_TEST_MAIN(tst_globals)
#include "tst_globals.moc"
