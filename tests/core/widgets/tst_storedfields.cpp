#include "core/system/globals.h"
#include "core/widgets/storedfields.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QDateEdit>

class tst_storedfields : public QObject
{
    Q_OBJECT

private slots:
    void dateShowsWhatIsStored_data();
    void dateShowsWhatIsStored();
    void unknownCheckStaysUnknownUntilClicked();
};

void tst_storedfields::dateShowsWhatIsStored_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("typed"); // empty: nothing
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QVariant>("bound");

    const QDate today = QDate::currentDate();
    const QDate fifteenth(today.year(), today.month(), 15);
    QTest::newRow("a date") << QVariant(QDate(2024, 3, 5)) << "" << "5/3/2024" << QVariant(QDate(2024, 3, 5));
    QTest::newRow("a date before the field's earliest day widens it")
        << QVariant(QDate(1700, 1, 1)) << "" << "1/1/1700" << QVariant(QDate(1700, 1, 1));
    QTest::newRow("no date shown as such and bound as NULL")
        << QVariant(QVariant::Date) << "" << "No date" << QVariant(QVariant::Date);
    QTest::newRow("a day typed into no date starts from today")
        << QVariant(QVariant::Date) << "15" << fifteenth.toString(dateFormat) << QVariant(fifteenth);
}

void tst_storedfields::dateShowsWhatIsStored()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QVariant, bound);
    QDateEdit edit;
    edit.setDisplayFormat(dateFormat);
    edit.setDate(QDate(2000, 1, 1));
    edit.show();

    StoredFields::showDate(&edit, stored);
    if (!typed.isEmpty()) {
        edit.setFocus();
        QTest::keyClicks(&edit, typed);
    }

    QCOMPARE(edit.text(), shown);
    const QVariant value = StoredFields::dateOrNull(&edit);
    QCOMPARE(value.isNull(), bound.isNull());
    QCOMPARE(value.toDate(), bound.toDate());
}

// A box stored neither ticked nor cleared shows so and is bound as NULL; the user's click
// ticks it, and from then on it is ticked or cleared, never unknown again.
void tst_storedfields::unknownCheckStaysUnknownUntilClicked()
{
    QCheckBox box;
    box.show();
    StoredFields::showCheck(&box, QVariant(QVariant::String));
    QCOMPARE(box.checkState(), Qt::PartiallyChecked);
    QVERIFY(StoredFields::checkOrNull(&box).isNull());

    QStringList bound;
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(&box, Qt::LeftButton);
        bound << StoredFields::checkOrNull(&box).toString();
    }
    QCOMPARE(bound, QStringList({"1", "0", "1"}));
}

ZARPO_TEST_MAIN(tst_storedfields)
#include "tst_storedfields.moc"
