#include "core/system/globals.h"
#include "core/widgets/comboboxes.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QHBoxLayout>

class tst_comboboxes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fill_data();
    void fill();
    void refillShowsTheAddedRecordOrNone_data();
    void refillShowsTheAddedRecordOrNone();
    void growsToItsWidestEntryWhereTheWindowHasRoom_data();
    void growsToItsWidestEntryWhereTheWindowHasRoom();
};

namespace {
// Each entry as "text=id".
QString entries(const QComboBox &combo)
{
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i)
        shown << combo.itemText(i) + '=' + combo.itemData(i).toString();
    return shown.join('|');
}

const QString departmentsSql = "select DepartmentId, Department from departments order by DepartmentId";
}

void tst_comboboxes::initTestCase()
{
    TestSupport::freshCompany();
    EXEC_SQL("insert into departments (DepartmentId, Department) values (1, 'Sales'), (2, 'Stores'), "
             "(3, 'O''Neil Works')");
}

void tst_comboboxes::fill_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("error"); // a part of the server's text; empty: none

    const QVariantMap none;
    QTest::newRow("id and text, after the leading entries")
        << departmentsSql << none << "=|<Add New>=|Sales=1|Stores=2|O'Neil Works=3" << "";
    QTest::newRow("one column gives the text alone")
        << "select Department from departments where DepartmentId = 2" << none << "=|<Add New>=|Stores=" << "";
    QTest::newRow("values bound")
        << "select DepartmentId, Department from departments where Department like :start and DepartmentId > :id"
        << QVariantMap{{":start", "S%"}, {":id", 1}} << "=|<Add New>=|Stores=2" << "";
    QTest::newRow("a quote in a value matches itself")
        << "select DepartmentId, Department from departments where Department = :name"
        << QVariantMap{{":name", "O'Neil Works"}} << "=|<Add New>=|O'Neil Works=3" << "";
    QTest::newRow("failure told, returned, and the leading entries kept")
        << "select Id, Name from nowhere" << none << "=|<Add New>=" << "nowhere' doesn't exist";
    QTest::newRow("failure with values bound")
        << "select Id, Name from nowhere where Id = :id" << QVariantMap{{":id", 1}} << "=|<Add New>="
        << "nowhere' doesn't exist";
}

void tst_comboboxes::fill()
{
    QFETCH(QString, sql);
    QFETCH(QVariantMap, values);
    QFETCH(QString, entries);
    QFETCH(QString, error);
    QComboBox combo;
    combo.addItem("left over", 99);
    TestSupport::MessageRecorder::clear();

    const QSqlError result = fillCombo(&combo, {QString(), "<Add New>"}, sql, values);

    QCOMPARE(::entries(combo), entries);
    QCOMPARE(result.isValid(), !error.isEmpty());
    QVERIFY2(result.text().contains(error), qPrintable(result.text()));
    // An empty list must not pass for a table without rows.
    const QString told = TestSupport::messageEntry(Messages::Critical, msgSelectFailed + '\n' + result.text());
    QCOMPARE(TestSupport::messageLog(), error.isEmpty() ? QString() : told);
    if (values.isEmpty())
        QCOMPARE(fillComboFromQuery(&combo, {QString(), "<Add New>"}, sql), error.isEmpty());
}

void tst_comboboxes::refillShowsTheAddedRecordOrNone_data()
{
    QTest::addColumn<QString>("listed");  // the refill's condition
    QTest::addColumn<QString>("rule");    // the listing rule told; empty: none set
    QTest::addColumn<int>("addedId");     // what the editor added; 0: nothing
    QTest::addColumn<QString>("shown");   // empty: no entry
    QTest::addColumn<QString>("message"); // the one box told, as the log begins; empty: none

    const QString all = "true";
    const QString head = "The record just added cannot be chosen here, so none is chosen.\n";
    QTest::newRow("the added record, not another user's newer one") << all << "" << 10 << "Accounts" << "";
    QTest::newRow("nothing added: no entry, nothing told") << all << "" << 0 << "" << "";
    QTest::newRow("added but left out by the list: its rule told")
        << "DepartmentId < 10" << "Only the first departments are listed." << 10 << ""
        << TestSupport::messageEntry(Messages::Information, head + "Only the first departments are listed.");
    QTest::newRow("added but gone, in a list without a rule")
        << all << "" << 12 << ""
        << TestSupport::messageEntry(Messages::Information, head + "Another user may have deleted it meanwhile.");
    QTest::newRow("a failed refill tells its failure alone")
        << "NoSuchColumn = 1" << "Only the first departments are listed." << 10 << ""
        << TestSupport::messageEntry(Messages::Critical, msgSelectFailed + "\nUnknown column 'NoSuchColumn'");
}

// The combo whose "<Add New>" was chosen shows the record the editor added, never another
// one; the other combos that the refill fills keep what they showed.
void tst_comboboxes::refillShowsTheAddedRecordOrNone()
{
    QFETCH(QString, listed);
    QFETCH(QString, rule);
    QFETCH(int, addedId);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    QComboBox managers; // the combo whose "<Add New>" was chosen
    QComboBox stores;   // chose a record
    QComboBox contact;  // shows its leading entry
    QString condition = "true";
    const auto refill = [&] {
        for (QComboBox *combo : {&managers, &stores, &contact})
            fillCombo(combo, {"<Contact Person>", "<Add New>"},
                      "select DepartmentId, Department from departments where " + condition + " order by Department");
        if (!rule.isEmpty())
            setListingRule(&managers, rule);
    };
    refill();
    stores.setCurrentIndex(stores.findText("Stores"));
    contact.setCurrentIndex(0);
    managers.setCurrentIndex(managers.findText("<Add New>"));
    // The editor saved Accounts, listed before the others by its name; another user then
    // added Zeta.
    EXEC_SQL("insert into departments (DepartmentId, Department) values (10, 'Accounts'), (11, 'Zeta')");
    condition = listed;
    TestSupport::MessageRecorder::clear();

    refillAndSelectAdded(&managers, refill, addedId, {&stores, &contact});

    EXEC_SQL("delete from departments where DepartmentId >= 10");
    QCOMPARE(managers.currentText(), shown);
    QCOMPARE(managers.currentIndex() >= 0, !shown.isEmpty());
    QCOMPARE(TestSupport::messageLog().left(message.size()), message);
    QCOMPARE(TestSupport::MessageRecorder::messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.contains(msgSelectFailed)) {
        QCOMPARE(stores.currentText(), QString("Stores"));
        QCOMPARE(contact.currentText(), QString("<Contact Person>"));
    }
}

void tst_comboboxes::growsToItsWidestEntryWhereTheWindowHasRoom_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("English window") << Qt::LeftToRight;
    QTest::newRow("Arabic window") << Qt::RightToLeft;
}

// A customer's name with its contact reads whole where the window has the room, and the
// combo gives way down to its form's minimum where it has not.
void tst_comboboxes::growsToItsWidestEntryWhereTheWindowHasRoom()
{
    QFETCH(Qt::LayoutDirection, direction);
    const QStringList texts{"<Add New>", "Green Valley Co.: Sarah Mitchell", "شركة النور للتجارة: أحمد"};
    QComboBox qtSized;
    qtSized.addItems(texts);
    const int whole = qtSized.sizeHint().width();
    QWidget window;
    window.setLayoutDirection(direction);
    auto *combo = new QComboBox;
    combo->setMinimumWidth(150);
    auto *layout = new QHBoxLayout(&window);
    layout->addWidget(combo);
    layout->addStretch();
    combo->addItems(texts);
    growToWidestEntry(combo);
    window.resize(1000, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY2(combo->width() >= whole && combo->width() <= whole + combo->fontMetrics().horizontalAdvance('X'),
             qPrintable(QString("%1 for %2").arg(combo->width()).arg(whole)));
    window.resize(180, 50);
    QTRY_VERIFY(combo->width() < whole);
    QVERIFY(combo->width() >= 150);
}

ZARPO_TEST_MAIN(tst_comboboxes)
#include "tst_comboboxes.moc"
