#include "core/widgets/comboboxes.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QSignalSpy>

class tst_globals : public QObject
{
    Q_OBJECT

private slots:
    void messageTextsStandAsWritten();
    void stateBeforeLogin();
    void selectNewestComboItem_data();
    void selectNewestComboItem();
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

// Each entry is "text" or "text=data"; data that is not given leaves the entry without any.
void tst_globals::selectNewestComboItem_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("initialIndex");
    QTest::addColumn<int>("expectedIndex");

    QTest::newRow("empty combo has no current entry") << QStringList() << -1 << -1;
    QTest::newRow("only <Add New> stays current") << QStringList{"<Add New>"} << 0 << 0;
    QTest::newRow("largest id wins wherever it stands")
        << QStringList{"<Add New>", "a=3", "b=12", "c=7"} << 1 << 2;
    QTest::newRow("the first of equal ids wins")
        << QStringList{"<Add New>", "a=5", "b=9", "c=9"} << 0 << 2;
    QTest::newRow("data that is not a number counts as 0")
        << QStringList{"<Add New>", "a=x", "b=abc"} << 2 << 0;
    QTest::newRow("negative ids never beat <Add New>")
        << QStringList{"<Add New>", "a=-4", "b=-1"} << 1 << 0;
    QTest::newRow("a positive id after non-numbers")
        << QStringList{"<Add New>", "a=x", "b=1"} << 0 << 2;
}

void tst_globals::selectNewestComboItem()
{
    QFETCH(QStringList, entries);
    QFETCH(int, initialIndex);
    QFETCH(int, expectedIndex);

    QComboBox combo;
    for (const QString &entry : entries) {
        const int eq = entry.indexOf('=');
        if (eq < 0)
            combo.addItem(entry);
        else
            combo.addItem(entry.left(eq), entry.mid(eq + 1));
    }
    combo.setCurrentIndex(initialIndex);
    QSignalSpy activated(&combo, QOverload<int>::of(&QComboBox::activated));

    ::selectNewestComboItem(&combo);

    QCOMPARE(combo.currentIndex(), expectedIndex);
    QCOMPARE(activated.count(), 0);
}

ZARPO_TEST_MAIN(tst_globals)
#include "tst_globals.moc"
