#include "core/system/cXml.h"
#include "app/frmSettings.h"
#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "core/system/seams.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QToolButton>

using TestSupport::MessageRecorder;

namespace {
void writeSettings(const QString &elements)
{
    QFile file(TestSupport::settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(("<AccountingConf>" + elements + "</AccountingConf>\n").toUtf8());
}

QStringList settingsValues(const QString &tag, const QString &attribute)
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    return xml.getAttributes(tag, attribute);
}

QVariant defaultAccount(const QString &column)
{
    return TestSupport::queryValue("select " + column + " from accountsdefaults");
}

int accountId(const QString &accountNo)
{
    return TestSupport::queryValue("select AccountId from accounts where AccountNo = '" + accountNo + "'").toInt();
}

// The ten combos and the accountsdefaults column each one keeps.
const QList<QPair<QString, QString>> comboColumns = {
    {"cmbAccountsPayable", "AccountsPayable"},     {"cmbPurchasingAcc", "PurchaseAccId"},
    {"cmbPurchasingRefundsAcc", "PurchaseRefundAccId"}, {"cmbAccountsReceivable", "AccountsReceivable"},
    {"cmbSalesAcc", "SalesAccId"},                 {"cmbSalesReundsAcc", "SalesRefundAccId"},
    {"cmbPayrollAcc", "PayrollAccId"},             {"cmbSafe", "SafeAccId"},
    {"cmbCheck", "CheckAccId"},                    {"cmbCreditCard", "CreditCardAccId"}};
}

class tst_settings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void comboOffersLeafAccountsOfItsType_data();
    void comboOffersLeafAccountsOfItsType();
    void accountsReadInTheInterfaceLanguage_data();
    void accountsReadInTheInterfaceLanguage();
    void saveRoundTrips();
    void accountWithoutAChoiceIsRefused();
    void failedSaveIsReportedAndKeepsTheWindow();
    void staleSaveIsRefused();
    void missingDefaultsAreStored();
    void discountBoxShowsTheSettingAsTheGridsRead_data();
    void discountBoxShowsTheSettingAsTheGridsRead();
    void restartOnlyWhenTheLanguageChanges_data();
    void restartOnlyWhenTheLanguageChanges();
    void backupFolder();

private:
    void open();
    void save();
    template<typename T> T *widget(const QString &name) { return window->findChild<T *>(name); }

    QPointer<frmSettings> window;
    QList<QStringList> restarts;
    QStringList languageAtRestart;
    QStringList backupPathAtRestart;
    FileDialogs::FolderFn realFolderDialog;
};

void tst_settings::initTestCase()
{
    TestSupport::freshCompany();
    realFolderDialog = FileDialogs::getExistingDirectory;
    Processes::startDetached = [this](const QString &program, const QStringList &arguments) {
        restarts << (QStringList{program} + arguments);
        languageAtRestart = settingsValues("Language", "DefaultLanguage");
        backupPathAtRestart = settingsValues("Backup", "Path");
        return true;
    };
}

void tst_settings::init()
{
    MessageRecorder::clear();
    restarts.clear();
    writeSettings("<Language DefaultLanguage=\"en\"/>");
}

void tst_settings::cleanup()
{
    rightToLeft = false;
    delete window;
    FileDialogs::getExistingDirectory = realFolderDialog;
}

void tst_settings::open()
{
    window = new frmSettings(nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void tst_settings::save()
{
    QTest::mouseClick(widget<QPushButton>("btnSaveAndClose"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_settings::comboOffersLeafAccountsOfItsType_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("typeId");
    QTest::addColumn<QString>("seedDefault");

    QTest::newRow("Sales") << "cmbSalesAcc" << 4 << "40100";
    QTest::newRow("Accounts Receivable") << "cmbAccountsReceivable" << 1 << "10200";
    QTest::newRow("Sales Refunds") << "cmbSalesReundsAcc" << 5 << "50200";
    QTest::newRow("Purchasing") << "cmbPurchasingAcc" << 1 << "10300";
    QTest::newRow("Accounts Payable") << "cmbAccountsPayable" << 2 << "20100";
    QTest::newRow("Purchasing Refunds") << "cmbPurchasingRefundsAcc" << 4 << "40400";
    QTest::newRow("Salary & Wages") << "cmbPayrollAcc" << 5 << "50700";
    QTest::newRow("Safe") << "cmbSafe" << 1 << "10700";
    QTest::newRow("Check Bank Account") << "cmbCheck" << 1 << "10100";
    QTest::newRow("Credit Card Account") << "cmbCreditCard" << 1 << "10800";
}

void tst_settings::comboOffersLeafAccountsOfItsType()
{
    QFETCH(QString, combo);
    QFETCH(int, typeId);
    QFETCH(QString, seedDefault);
    open();

    auto *box = widget<QComboBox>(combo);
    QVERIFY2(box->currentText().startsWith(seedDefault + ": "), qPrintable(box->currentText()));
    QCOMPARE(box->count(), TestSupport::queryValue(QString(
        "select count(*) from accounts a where TypeId = %1 "
        "and not exists (select 1 from accounts c where c.ParentAccountId = a.AccountId)").arg(typeId)).toInt());
    for (int i = 0; i < box->count(); ++i) {
        const QString id = box->itemData(i).toString();
        QCOMPARE(TestSupport::queryValue("select TypeId from accounts where AccountId = " + id).toInt(), typeId);
        QCOMPARE(TestSupport::queryValue("select count(*) from accounts where ParentAccountId = " + id).toInt(), 0);
    }
}

void tst_settings::accountsReadInTheInterfaceLanguage_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("receivable");
    QTest::addColumn<QString>("unnamedInArabic");

    QTest::newRow("English") << false << "10200: Accounts Receivable" << "10900: Petty Cash";
    QTest::newRow("Arabic, with the English name where no Arabic one is stored")
        << true << QString::fromUtf8("10200: حساب المدينين") << "10900: Petty Cash";
}

// The entries read as the Arabic reports name the accounts, each laid out by the combo
// in its own direction (what the combo then paints is checked where the rule lives).
void tst_settings::accountsReadInTheInterfaceLanguage()
{
    QFETCH(bool, arabic);
    QFETCH(QString, receivable);
    QFETCH(QString, unnamedInArabic);
    EXEC_SQL("insert into accounts (AccountNo, Description, DescriptionAr, TypeId, CurrencyId, ParentAccountId) "
             "values ('10900', 'Petty Cash', '', 1, 2, 34)");
    rightToLeft = arabic;
    open();
    EXEC_SQL("delete from accounts where AccountNo = '10900'");

    auto *box = widget<QComboBox>("cmbAccountsReceivable");
    QCOMPARE(box->currentText(), receivable);
    QCOMPARE(box->layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
    auto *safe = widget<QComboBox>("cmbSafe");
    QVERIFY(safe->findText(unnamedInArabic) >= 0);
}

void tst_settings::saveRoundTrips()
{
    writeSettings("<Language DefaultLanguage=\"en\"/><Preferences ShowDiscountAndTax=\"true\"/>");
    open();
    // Each combo gets another account than the seed's, none chosen twice, so that any
    // mix-up of combos and columns shows.
    QSet<int> chosen;
    QMap<QString, int> expected;
    for (const auto &pair : comboColumns) {
        auto *box = widget<QComboBox>(pair.first);
        for (int i = 0; i < box->count(); ++i) {
            const int id = box->itemData(i).toInt();
            if (i != box->currentIndex() && !chosen.contains(id)) {
                box->setCurrentIndex(i);
                chosen << id;
                expected[pair.second] = id;
                break;
            }
        }
        QVERIFY2(expected.contains(pair.second), qPrintable(pair.first));
    }
    widget<QCheckBox>("chkShowDiscTax")->setChecked(false);
    QTest::mouseClick(widget<QCheckBox>("chkAutomaticBackup"), Qt::LeftButton);
    widget<QLineEdit>("txtBackupPath")->setText("/srv/zarpo backups");

    save();

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
    QVERIFY(window.isNull());
    QCOMPARE(TestSupport::queryValue("select count(*) from accountsdefaults").toInt(), 1);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(defaultAccount(it.key()).toInt(), it.value());
    QCOMPARE(settingsValues("Preferences", "ShowDiscountAndTax"), QStringList{"false"});
    QCOMPARE(settingsValues("Backup", "Path"), QStringList{"/srv/zarpo backups"});
    QCOMPARE(settingsValues("Language", "DefaultLanguage"), QStringList{"en"});

    open();
    for (const auto &pair : comboColumns)
        QCOMPARE(widget<QComboBox>(pair.first)->currentData().toInt(), expected.value(pair.second));
    QVERIFY(!widget<QCheckBox>("chkShowDiscTax")->isChecked());
    QVERIFY(widget<QCheckBox>("chkAutomaticBackup")->isChecked());
    QVERIFY(widget<QLineEdit>("txtBackupPath")->isEnabled());
    QCOMPARE(widget<QLineEdit>("txtBackupPath")->text(), QString("/srv/zarpo backups"));
}

void tst_settings::accountWithoutAChoiceIsRefused()
{
    TestSupport::freshCompany();
    // The Sales default gains a child account, so it is no leaf any more.
    const int sales = accountId("40100");
    EXEC_SQL(QString("insert into accounts (AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
                     "values ('40110', 'Sales - Branch', 4, 2, %1)").arg(sales));
    open();
    // Shown as stored, but not offered for a new choice.
    auto *box = widget<QComboBox>("cmbSalesAcc");
    QCOMPARE(box->currentText(), QString("40100: Sales (not in the list)"));
    QCOMPARE(box->currentData().toInt(), sales);
    widget<QTabWidget>("tabWidget")->setCurrentIndex(2);

    save();

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QCOMPARE(MessageRecorder::last().text,
             QString("The Sales box shows an account it no longer offers: one with accounts below it, or of another "
                     "type. Choose another account and save again."));
    QVERIFY(!window.isNull() && window->isVisible());
    QCOMPARE(widget<QTabWidget>("tabWidget")->currentIndex(), 0);
    QCOMPARE(defaultAccount("SalesAccId").toInt(), sales);
    QVERIFY(settingsValues("Preferences", "ShowDiscountAndTax").isEmpty()); // nothing written

    box->setCurrentIndex(box->findData(accountId("40110")));
    save();

    QVERIFY(window.isNull());
    QCOMPARE(defaultAccount("SalesAccId").toInt(), accountId("40110"));
}

void tst_settings::failedSaveIsReportedAndKeepsTheWindow()
{
    TestSupport::freshCompany();
    EXEC_SQL(QString("insert into accounts (AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
                     "values ('40990', 'Short-lived revenue', 4, 2, %1)").arg(accountId("40000")));
    open();
    auto *box = widget<QComboBox>("cmbSalesAcc");
    box->setCurrentIndex(box->findData(accountId("40990")));
    QTest::mouseClick(widget<QCheckBox>("chkAutomaticBackup"), Qt::LeftButton);
    widget<QLineEdit>("txtBackupPath")->setText("/srv/backups");
    // Another user removes the account while the window is open.
    EXEC_SQL("delete from accounts where AccountNo = '40990'");

    save();

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.startsWith(msgInsertFailed + "\n"), qPrintable(MessageRecorder::last().text));
    QVERIFY2(MessageRecorder::last().text.contains("foreign key constraint"), qPrintable(MessageRecorder::last().text));
    QVERIFY(!window.isNull() && window->isVisible());
    QCOMPARE(widget<QLineEdit>("txtBackupPath")->text(), QString("/srv/backups"));
    QCOMPARE(defaultAccount("SalesAccId").toInt(), accountId("40100"));
    QVERIFY(settingsValues("Backup", "Path").isEmpty());
}

void tst_settings::staleSaveIsRefused()
{
    TestSupport::freshCompany();
    EXEC_SQL(QString("insert into accounts (AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
                     "values ('40910', 'Theirs', 4, 2, %1), ('40920', 'Mine', 4, 2, %1)").arg(accountId("40000")));
    open();
    auto *box = widget<QComboBox>("cmbSalesAcc");
    box->setCurrentIndex(box->findData(accountId("40920")));
    // Another user chooses another sales account while the window is open.
    EXEC_AS_OTHER_USER(QString("update accountsdefaults set SalesAccId = %1").arg(accountId("40910")));

    save();

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QCOMPARE(MessageRecorder::last().text,
             cDbSave::recordChangedText(QStringLiteral("the default accounts")));
    QVERIFY(!window.isNull() && window->isVisible());
    QCOMPARE(box->currentData().toInt(), accountId("40920"));
    QCOMPARE(defaultAccount("SalesAccId").toInt(), accountId("40910"));
    QVERIFY(settingsValues("Preferences", "ShowDiscountAndTax").isEmpty()); // nothing written
}

// A company whose row of default accounts is gone: the accounts chosen are stored, not
// reported saved while nothing was written.
void tst_settings::missingDefaultsAreStored()
{
    TestSupport::freshCompany();
    EXEC_SQL("delete from accountsdefaults");
    open();
    QMap<QString, int> expected;
    for (const auto &pair : comboColumns) {
        auto *box = widget<QComboBox>(pair.first);
        QCOMPARE(box->currentIndex(), -1);
        box->setCurrentIndex(box->count() - 1);
        expected[pair.second] = box->currentData().toInt();
    }

    save();

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(TestSupport::messageLog()));
    QVERIFY(window.isNull());
    QCOMPARE(TestSupport::queryValue("select count(*) from accountsdefaults").toInt(), 1);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(defaultAccount(it.key()).toInt(), it.value());
    open();
    for (const auto &pair : comboColumns)
        QCOMPARE(widget<QComboBox>(pair.first)->currentData().toInt(), expected.value(pair.second));
}

void tst_settings::discountBoxShowsTheSettingAsTheGridsRead_data()
{
    QTest::addColumn<QString>("preferences");
    QTest::addColumn<bool>("shown");

    QTest::newRow("no Preferences element: columns shown") << "" << true;
    QTest::newRow("true") << "<Preferences ShowDiscountAndTax=\"true\"/>" << true;
    QTest::newRow("false") << "<Preferences ShowDiscountAndTax=\"false\"/>" << false;
    QTest::newRow("FALSE in capitals") << "<Preferences ShowDiscountAndTax=\"FALSE\"/>" << false;
    QTest::newRow("0") << "<Preferences ShowDiscountAndTax=\"0\"/>" << false;
    QTest::newRow("empty") << "<Preferences ShowDiscountAndTax=\"\"/>" << false;
    QTest::newRow("any other text") << "<Preferences ShowDiscountAndTax=\"yes\"/>" << true;
}

void tst_settings::discountBoxShowsTheSettingAsTheGridsRead()
{
    QFETCH(QString, preferences);
    QFETCH(bool, shown);
    writeSettings("<Language DefaultLanguage=\"en\"/>" + preferences);
    open();

    QCOMPARE(widget<QCheckBox>("chkShowDiscTax")->isChecked(), shown);
    save();

    QVERIFY(MessageRecorder::messages().isEmpty());
    QCOMPARE(settingsValues("Preferences", "ShowDiscountAndTax"), QStringList{shown ? "true" : "false"});
}

void tst_settings::restartOnlyWhenTheLanguageChanges_data()
{
    QTest::addColumn<QString>("language"); // the Language element
    QTest::addColumn<int>("choice");       // cmbLanguage entry chosen
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("yes");

    const QString en = "<Language DefaultLanguage=\"en\"/>";
    const QString ar = "<Language DefaultLanguage=\"ar\"/>";
    QTest::newRow("English kept") << en << 0 << false << false;
    QTest::newRow("Arabic kept") << ar << 1 << false << false;
    QTest::newRow("no Language element, English kept") << "" << 0 << false << false;
    QTest::newRow("English to Arabic, restart now") << en << 1 << true << true;
    QTest::newRow("Arabic to English, restart later") << ar << 0 << true << false;
    QTest::newRow("no Language element to Arabic") << "" << 1 << true << true;
}

void tst_settings::restartOnlyWhenTheLanguageChanges()
{
    QFETCH(QString, language);
    QFETCH(int, choice);
    QFETCH(bool, asks);
    QFETCH(bool, yes);
    writeSettings(language);
    open();
    QCOMPARE(widget<QComboBox>("cmbLanguage")->currentIndex(), language.contains("ar") ? 1 : 0);
    widget<QComboBox>("cmbLanguage")->setCurrentIndex(choice);
    QTest::mouseClick(widget<QCheckBox>("chkAutomaticBackup"), Qt::LeftButton);
    widget<QLineEdit>("txtBackupPath")->setText("/srv/backups");
    if (asks)
        MessageRecorder::answerNext(yes ? QMessageBox::Yes : QMessageBox::No);

    save();

    const QString code = choice == 1 ? "ar" : "en";
    QCOMPARE(MessageRecorder::messages().size(), asks ? 1 : 0);
    if (asks) {
        QCOMPARE(MessageRecorder::last().kind, Messages::Question);
        QCOMPARE(MessageRecorder::last().text,
                 QString("UI language has changed, that requires the application to restart. "
                         "Would you like to restart it now?"));
    }
    QCOMPARE(settingsValues("Language", "DefaultLanguage"), QStringList{code});
    QVERIFY(window.isNull());
    QCOMPARE(restarts.size(), asks && yes ? 1 : 0);
    if (!restarts.isEmpty()) {
        const QStringList arguments = QCoreApplication::arguments();
        QCOMPARE(restarts.first(), arguments);
        // The new instance finds every setting already in the file.
        QCOMPARE(languageAtRestart, QStringList{code});
        QCOMPARE(backupPathAtRestart, QStringList{"/srv/backups"});
    }
}

void tst_settings::backupFolder()
{
    writeSettings("<Language DefaultLanguage=\"en\"/><Backup Path=\"/old\"/>");
    QStringList captions;
    QString answer;
    FileDialogs::getExistingDirectory = [&](QWidget *, const QString &caption, const QString &) {
        captions << caption;
        return answer;
    };
    open();
    auto *path = widget<QLineEdit>("txtBackupPath");
    auto *browse = widget<QToolButton>("btnBrowseBackupPath");
    QVERIFY(widget<QCheckBox>("chkAutomaticBackup")->isChecked());
    QVERIFY(path->isEnabled() && browse->isEnabled());
    QCOMPARE(path->text(), QString("/old"));

    QTest::mouseClick(browse, Qt::LeftButton); // cancelled
    QCOMPARE(path->text(), QString("/old"));
    answer = "/srv/new";
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(path->text(), QDir::toNativeSeparators("/srv/new"));
    QCOMPARE(captions, (QStringList{"Choose Path", "Choose Path"}));

    QTest::mouseClick(widget<QCheckBox>("chkAutomaticBackup"), Qt::LeftButton);
    QVERIFY(path->text().isEmpty());
    QVERIFY(!path->isEnabled() && !browse->isEnabled());
    save();

    QVERIFY(window.isNull());
    QCOMPARE(settingsValues("Backup", "Path"), QStringList{""}); // the automatic backup is off
}

ZARPO_TEST_MAIN(tst_settings)
#include "tst_settings.moc"
