#include "core/db/dbsave.h"
#include "core/widgets/listdialog.h"
#include "tests/support/testsupport.h"

#include <QItemSelectionModel>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>

// What the list windows and the currency default do not already show of the shared list
// and save mechanics.
class tst_listdialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void currentValue_data();
    void currentValue();
    void newIdIsTheSavesOwnNotTheLargest();
    void failedStepRollsBackAllAndStopsTheRest();
    void saveLeftUncommittedWritesNothing();
    void readBackWithoutAnInsertFailsTheSave();
    void deleteQuestionReadsInTheInterfacesLanguage_data();
    void deleteQuestionReadsInTheInterfacesLanguage();

private:
    int currencies() { return TestSupport::queryValue("select count(*) from currencies").toInt(); }
};

void tst_listdialog::init()
{
    TestSupport::freshCompany();
}

void tst_listdialog::currentValue_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("no current row") << "none" << QVariant();
    QTest::newRow("current row chosen") << "row 1" << QVariant("id-1");
    QTest::newRow("current row deselected by the user") << "row 1 deselected" << QVariant();
}

void tst_listdialog::currentValue()
{
    QFETCH(QString, selection);
    QFETCH(QVariant, value);
    QStandardItemModel model(3, 2);
    for (int row = 0; row < 3; ++row)
        model.setData(model.index(row, 0), QString("id-%1").arg(row));
    QTableView view;
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setModel(&model);
    if (selection != "none")
        view.selectRow(1);
    if (selection.endsWith("deselected"))
        view.selectionModel()->select(model.index(1, 0),
                                      QItemSelectionModel::Deselect | QItemSelectionModel::Rows);

    QCOMPARE(ListDialog::currentValue(&view, 0), value);
}

void tst_listdialog::newIdIsTheSavesOwnNotTheLargest()
{
    QSqlDatabase other = QSqlDatabase::cloneDatabase(QSqlDatabase::database(), "other");
    QVERIFY(other.open());
    {
        cDbSave save;
        QSqlQuery insert = save.prepare("insert into currencies (Currency, IsDefault) values (:name, 0)");
        insert.bindValue(":name", "Ours");
        QVERIFY(save.exec(insert));
        // Another user's row, committed meanwhile, gets the larger id.
        QVERIFY(QSqlQuery(other).exec("insert into currencies (Currency, IsDefault) values ('Theirs', 0)"));
        const int id = save.lastInsertId();
        QVERIFY(save.commit());
        QCOMPARE(TestSupport::queryValue(QString("select Currency from currencies where CurrencyId = %1").arg(id))
                     .toString(),
                 QString("Ours"));
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other");
}

void tst_listdialog::failedStepRollsBackAllAndStopsTheRest()
{
    cDbSave save;
    QVERIFY(save.exec("insert into currencies (Currency, IsDefault) values ('First', 0)"));
    QVERIFY(!save.exec("insert into currencies (CurrencyId, Currency, IsDefault) values (2, 'Taken', 0)"));
    QVERIFY(!save.exec("insert into currencies (Currency, IsDefault) values ('After', 0)"));

    QVERIFY(!save.commit());
    QCOMPARE(save.errorNumber(), 1062);
    QVERIFY2(save.errorText().contains("Duplicate"), qPrintable(save.errorText()));
    QCOMPARE(currencies(), 3);
}

void tst_listdialog::saveLeftUncommittedWritesNothing()
{
    {
        cDbSave save;
        QVERIFY(save.exec("insert into currencies (Currency, IsDefault) values ('Dropped', 0)"));
    }
    QCOMPARE(currencies(), 3);
}

void tst_listdialog::readBackWithoutAnInsertFailsTheSave()
{
    cDbSave save; // a fresh session: nothing inserted on it yet
    QVERIFY(save.exec("update currencies set Currency = 'Changed' where CurrencyId = 2"));

    QCOMPARE(save.lastInsertId(), 0);
    QVERIFY(!save.commit());
    QVERIFY(!save.errorText().isEmpty());
    QCOMPARE(TestSupport::queryValue("select Currency from currencies where CurrencyId = 2").toString(),
             QString("Egyptian Pound"));
}

ZARPO_TEST_MAIN(tst_listdialog)
#include "tst_listdialog.moc"

void tst_listdialog::deleteQuestionReadsInTheInterfacesLanguage_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("question");
    const QString isolatedRice = QChar(0x2066) + QStringLiteral("Rice") + QChar(0x2069);
    QTest::newRow("a document's line, English") << false << QString() << "Rice" << "Delete Rice";
    QTest::newRow("a document's line, Arabic: the name set apart after the verb")
        << true << QString() << "Rice" << QString::fromUtf8("حذف ") + isolatedRice + QString::fromUtf8("؟");
    QTest::newRow("an Arabic name in Arabic is not set apart")
        << true << QString() << QString::fromUtf8("أرز") << QString::fromUtf8("حذف أرز؟");
    QTest::newRow("a unit, English") << false << ": " << "kg" << "Delete : kg";
}

void tst_listdialog::deleteQuestionReadsInTheInterfacesLanguage()
{
    QFETCH(bool, arabic);
    QFETCH(QString, what);
    QFETCH(QString, name);
    QFETCH(QString, question);
    TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());

    QCOMPARE(ListDialog::deleteQuestion(what, name), question);
}
