#include "accounting/frmCurrencies.h"
#include "accounting/frmCurrenciesView.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
QString defaults()
{
    return TestSupport::queryValue("select group_concat(Currency order by CurrencyId) from currencies "
                                   "where IsDefault = 1").toString();
}

// A server-side refusal of every change that makes `currency` the default, for the
// failures no user input can cause.
const char *refuseDefault(const char *currency)
{
    static QByteArray sql;
    sql = QByteArray("create trigger refuse_default before update on currencies for each row "
                     "if new.IsDefault = 1 and new.Currency = '") + currency +
          "' then signal sqlstate '45000' set message_text = 'default refused'; end if";
    return sql.constData();
}
}

class tst_currencies : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listShowsNameAndSymbol();
    void saveNewCurrency_data();
    void saveNewCurrency();
    void saveAndCloseClosesOnlyAfterASave_data();
    void saveAndCloseClosesOnlyAfterASave();
    void editedCurrencyIsSavedOnceThenANewOne();
    void setDefault_data();
    void setDefault();
    void listCommands_data();
    void listCommands();
};

void tst_currencies::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
    defaultCurrency = "USD";
    defaultCurrencySymbol = "$";
}

void tst_currencies::cleanup()
{
    rightToLeft = false;
}

void tst_currencies::listShowsNameAndSymbol()
{
    frmCurrenciesView list;
    QAbstractItemModel *model = table(&list)->model();
    QPointer<QAbstractItemModel> first = model;

    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Currency"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("Symbol"));
    QVERIFY(table(&list)->isColumnHidden(0));
    QVERIFY(table(&list)->isColumnHidden(3));
    QVERIFY(!table(&list)->isColumnHidden(1));
    QCOMPARE(model->index(1, 1).data().toString(), QString("USD"));
    QCOMPARE(model->index(1, 2).data().toString(), QString("$"));

    // A reload replaces the model and lets the old one go.
    TestSupport::whenModal([](QWidget *editor) { static_cast<QDialog *>(editor)->reject(); });
    click(&list, "btnNew");
    QVERIFY(first.isNull());
    QVERIFY(table(&list)->isColumnHidden(0));
    QCOMPARE(table(&list)->model()->headerData(2, Qt::Horizontal).toString(), QString("Symbol"));
}

void tst_currencies::saveNewCurrency_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QVariant>("storedSymbol");
    QTest::newRow("empty name refused") << "" << "X" << "Insert currency name" << QVariant();
    QTest::newRow("blank name refused") << "   " << "X" << "Insert currency name" << QVariant();
    QTest::newRow("blank symbol stored as NULL") << "Dinar" << "  " << "" << QVariant(QVariant::String);
    QTest::newRow("empty symbol stored as NULL") << "Dinar" << "" << "" << QVariant(QVariant::String);
    QTest::newRow("name kept with its blanks") << " Yen " << "¥" << "" << QVariant("¥");
}

void tst_currencies::saveNewCurrency()
{
    QFETCH(QString, name);
    QFETCH(QString, symbol);
    QFETCH(QString, message);
    QFETCH(QVariant, storedSymbol);
    frmCurrencies editor(nullptr, 0);
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtCurrency"), name);
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtSymbol"), symbol);

    click(&editor, "btnSave");

    if (!message.isEmpty()) {
        QCOMPARE(messageLog(), messageEntry(Messages::Critical, message));
        QCOMPARE(TestSupport::queryValue("select count(*) from currencies").toInt(), 3);
        QCOMPARE(editor.findChild<QLineEdit *>("txtCurrency")->text(), name);
        return;
    }
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select count(*) from currencies").toInt(), 4);
    const QString where = " from currencies where CurrencyId = (select max(CurrencyId) from currencies)";
    QCOMPARE(TestSupport::queryValue("select Currency" + where).toString(), name);
    const QVariant stored = TestSupport::queryValue("select CurrencySymbol" + where);
    QCOMPARE(stored.isNull(), storedSymbol.isNull());
    if (!storedSymbol.isNull())
        QCOMPARE(stored.toString(), storedSymbol.toString());
    QCOMPARE(TestSupport::queryValue("select IsDefault + 0" + where).toInt(), 0);
    QCOMPARE(defaults(), QString("USD"));
    // The editor is ready for the next currency.
    QCOMPARE(editor.findChild<QLineEdit *>("txtCurrency")->text(), QString());
    QCOMPARE(editor.findChild<QLineEdit *>("txtSymbol")->text(), QString());
}

void tst_currencies::saveAndCloseClosesOnlyAfterASave_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("saved") << "Dinar" << "" << true << "";
    QTest::newRow("refused name") << " " << "" << false << "Insert currency name";
    QTest::newRow("server failure") << "Dinar"
                                    << "create trigger refuse_insert before insert on currencies for each row "
                                       "signal sqlstate '45000' set message_text = 'insert refused'"
                                    << false << msgInsertFailed + "\n";
}

void tst_currencies::saveAndCloseClosesOnlyAfterASave()
{
    QFETCH(QString, name);
    QFETCH(QString, fixture);
    QFETCH(bool, closes);
    QFETCH(QString, messageStart);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    frmCurrencies editor(nullptr, 0);
    editor.show();
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtCurrency"), name);

    click(&editor, "btnSaveAndClose");

    QCOMPARE(editor.isVisible(), !closes);
    if (messageStart.isEmpty()) {
        QCOMPARE(messageLog(), QString());
    } else {
        QCOMPARE(MessageRecorder::messages().size(), 1);
        QVERIFY2(MessageRecorder::last().text.startsWith(messageStart), qPrintable(messageLog()));
        QCOMPARE(editor.findChild<QLineEdit *>("txtCurrency")->text(), name);
    }
    QCOMPARE(TestSupport::queryValue("select count(*) from currencies").toInt(), closes ? 4 : 3);
}

void tst_currencies::editedCurrencyIsSavedOnceThenANewOne()
{
    frmCurrenciesView list;
    chooseRow(&list, "Euro");
    TestSupport::whenModal([](QWidget *editor) {
        auto *name = editor->findChild<QLineEdit *>("txtCurrency");
        QCOMPARE(name->text(), QString("Euro"));
        QCOMPARE(editor->findChild<QLineEdit *>("txtSymbol")->text(), QString("E"));
        name->setText("Euro (EU)");
        editor->findChild<QLineEdit *>("txtSymbol")->setText("€");
        click(editor, "btnSave");
        name->setText("Pound Sterling");
        editor->findChild<QLineEdit *>("txtSymbol")->setText("£");
        click(editor, "btnSave");
        static_cast<QDialog *>(editor)->reject();
    });

    click(&list, "btnEdit");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select concat(Currency, '/', CurrencySymbol) from currencies "
                                     "where CurrencyId = 4").toString(),
             QString("Euro (EU)/€"));
    QCOMPARE(TestSupport::queryValue("select count(*) from currencies where Currency = 'Pound Sterling'").toInt(), 1);
    QCOMPARE(table(&list)->model()->rowCount(), 4);
}

void tst_currencies::setDefault_data()
{
    QTest::addColumn<QString>("chosen"); // empty: no row chosen
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("defaultAfter");
    QTest::addColumn<QString>("loginCurrency");
    QTest::addColumn<QString>("loginSymbol");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("chosen currency becomes the only default") << "Euro" << "" << "Euro" << "Euro" << "E" << "";
    QTest::newRow("default chosen again stays the only one") << "USD" << "" << "USD" << "USD" << "$" << "";
    QTest::newRow("no row chosen changes nothing and says nothing") << "" << "" << "USD" << "USD" << "$" << "";
    QTest::newRow("failure keeps the old default") << "Euro" << refuseDefault("Euro") << "USD" << "USD" << "$"
                                                   << msgInsertFailed + "\n";
}

void tst_currencies::setDefault()
{
    QFETCH(QString, chosen);
    QFETCH(QString, fixture);
    QFETCH(QString, defaultAfter);
    QFETCH(QString, loginCurrency);
    QFETCH(QString, loginSymbol);
    QFETCH(QString, messageStart);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    frmCurrenciesView list;
    if (!chosen.isEmpty())
        chooseRow(&list, chosen);

    click(&list, "btnSetDefault");

    QCOMPARE(defaults(), defaultAfter);
    QCOMPARE(defaultCurrency, loginCurrency);
    QCOMPARE(defaultCurrencySymbol, loginSymbol);
    if (messageStart.isEmpty()) {
        QCOMPARE(messageLog(), QString());
    } else {
        QCOMPARE(MessageRecorder::messages().size(), 1);
        QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
        QVERIFY2(MessageRecorder::last().text.startsWith(messageStart), qPrintable(messageLog()));
        QVERIFY2(MessageRecorder::last().text.contains("default refused"), qPrintable(messageLog()));
    }
}

void tst_currencies::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("currenciesLeft");
    QTest::newRow("edit without a row") << "btnEdit" << "" << int(QMessageBox::NoButton)
                                        << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)} << 3;
    QTest::newRow("delete without a row") << "btnDelete" << "" << int(QMessageBox::NoButton)
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)} << 3;
    QTest::newRow("delete answered No") << "btnDelete" << "Euro" << int(QMessageBox::No)
                                        << QStringList{messageEntry(Messages::Question, "Delete : Euro")} << 3;
    QTest::newRow("currency of accounts refused")
        << "btnDelete" << "Egyptian Pound" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, "Delete : Egyptian Pound"),
                       messageEntry(Messages::Critical, msgRecordReferenced)}
        << 3;
    QTest::newRow("unused currency deleted") << "btnDelete" << "Euro" << int(QMessageBox::Yes)
                                             << QStringList{messageEntry(Messages::Question, "Delete : Euro")} << 2;
}

void tst_currencies::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(int, currenciesLeft);
    frmCurrenciesView list;
    if (!chosen.isEmpty())
        chooseRow(&list, chosen);
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    QCOMPARE(TestSupport::queryValue("select count(*) from currencies").toInt(), currenciesLeft);
    QCOMPARE(table(&list)->model()->rowCount(), currenciesLeft);
}

ZARPO_TEST_MAIN(tst_currencies)
#include "tst_currencies.moc"
