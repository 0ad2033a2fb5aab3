#include "core/system/cXml.h"
#include "app/frmAddCompany.h"
#include "app/frmLogin.h"
#include "app/frmMainWindow.h"
#include "core/system/globals.h"
#include "core/system/seams.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QTranslator>

using TestSupport::MessageRecorder;

namespace {
void writeSettings(const QString &xml)
{
    QFile file(TestSupport::settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(xml.toUtf8());
}

QString companyEntry(const QString &database, const QString &password = TestSupport::serverPassword(),
                     int port = TestSupport::serverPort())
{
    return QString(" <Company Server=\"%1\" ServerPort=\"%2\" ServerUsername=\"root\" ServerPassword=\"%3\" Database=\"%4\"/>\n")
        .arg(TestSupport::serverHost())
        .arg(port)
        .arg(password, database);
}

QList<frmMainWindow *> mainWindows()
{
    QList<frmMainWindow *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<frmMainWindow *>(widget))
            found << window;
    return found;
}

QStringList settingsValues(const QString &tag, const QString &attribute)
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    return xml.getAttributes(tag, attribute);
}
}

class tst_login : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void successFillsTheLoginState();
    void refusedLoginShowsTheNotice_data();
    void refusedLoginShowsTheNotice();
    void unreadCompanyDetailsAreTold_data();
    void unreadCompanyDetailsAreTold();
    void missingAttributesTakeTheirDefaults();
    void companyListFollowsTheSettings_data();
    void companyListFollowsTheSettings();
    void firstStartOpensTheCompanyDialog();
    void addedCompanyLogsInAtOnce();
    void removeAndEditNeedACompany();
    void sameDatabaseOnTwoServersLogsInToEach_data();
    void sameDatabaseOnTwoServersLogsInToEach();
    void removeFindsTheEntryByItsPosition();
    void removeOfAnEntryChangedMeanwhileRemovesNothing();
    void damagedSettingsFileIsToldOnce();
    void languageFlags_data();
    void languageFlags();
    void buttonsShowTheirWholeText_data();
    void buttonsShowTheirWholeText();

private:
    QPointer<frmLogin> login;
    QString company;
    QList<QStringList> restarts;
};

void tst_login::initTestCase()
{
    company = TestSupport::freshCompany();
    Processes::startDetached = [this](const QString &program, const QStringList &arguments) {
        restarts << (QStringList{program} + arguments);
        return true;
    };
}

void tst_login::init()
{
    MessageRecorder::clear();
    restarts.clear();
    writeSettings("<AccountingConf>\n" + companyEntry("other", "x") + companyEntry(company) + "</AccountingConf>\n");
    login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->show();
}

void tst_login::cleanup()
{
    delete login;
    qDeleteAll(mainWindows());
    languageCode = "en";
    rightToLeft = false;
}

void tst_login::successFillsTheLoginState()
{
    currentUserId = 0;
    login->findChild<QLineEdit *>("txtUsername")->setText("admin");
    login->findChild<QLineEdit *>("txtPassword")->setText("tavle");

    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(MessageRecorder::messages().isEmpty());
    QVERIFY(login.isNull()); // closed and deleted
    QCOMPARE(mainWindows().size(), 1);
    QVERIFY(mainWindows().first()->isVisible());
    QCOMPARE(currentUserId, 1);
    QCOMPARE(currentEmployeeId, 1);
    QCOMPARE(currentUserName, QString("admin"));
    QCOMPARE(currentPersonName, QString("Default Person"));
    QCOMPARE(companyName, TestSupport::queryValue("select CompanyName from companyinfo").toString());
    QCOMPARE(defaultCurrency, TestSupport::queryValue("select Currency from currencies where IsDefault = 1").toString());
    QCOMPARE(dbName, company);
    QCOMPARE(settingsValues("DefaultCompany", "Database"), QStringList{company});
}

void tst_login::refusedLoginShowsTheNotice_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << "admin" << "tavel";
    QTest::newRow("unknown user") << "nobody" << "tavle";
    QTest::newRow("password with a trailing blank") << "admin" << "tavle ";
    QTest::newRow("password in other letter case") << "admin" << "TAVLE";
    // The server would refuse to compare a name its column cannot hold.
    QTest::newRow("a name with an emoji") << QString::fromUtf8("admin \xF0\x9F\x98\x80") << "tavle";
    QTest::newRow("a name longer than its column") << QString(60, 'a') << "tavle";
}

void tst_login::refusedLoginShowsTheNotice()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QVERIFY(!login->findChild<QLabel *>("lblNotice")->isVisible());
    login->findChild<QLineEdit *>("txtUsername")->setText(user);
    login->findChild<QLineEdit *>("txtPassword")->setText(password);

    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);

    QVERIFY(MessageRecorder::messages().isEmpty());
    QVERIFY(!login.isNull() && login->isVisible());
    QVERIFY(login->findChild<QLabel *>("lblNotice")->isVisible());
    QVERIFY(mainWindows().isEmpty());
    QVERIFY(settingsValues("DefaultCompany", "Database").isEmpty());
}

void tst_login::unreadCompanyDetailsAreTold_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("company details") << "companyinfo";
    QTest::newRow("default currency") << "currencies";
}

// The user gets in, told once, by the server's text, why the company's name or currency
// shows blank.
void tst_login::unreadCompanyDetailsAreTold()
{
    QFETCH(QString, table);
    EXEC_SQL_ON_SECOND_CONNECTION(QString("RENAME TABLE %1 TO %1_gone").arg(table));
    const auto restore = qScopeGuard(
        [&] { TestSupport::execSqlOnSecondConnection(QString("RENAME TABLE %1_gone TO %1").arg(table)); });
    login->findChild<QLineEdit *>("txtUsername")->setText("admin");
    login->findChild<QLineEdit *>("txtPassword")->setText("tavle");

    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.startsWith(msgSelectFailed + '\n')
                 && MessageRecorder::last().text.contains(table + "' doesn't exist"),
             qPrintable(TestSupport::messageLog()));
    QCOMPARE(mainWindows().size(), 1);
}

void tst_login::missingAttributesTakeTheirDefaults()
{
    delete login;
    writeSettings("<AccountingConf><Company Database=\"bare\"/></AccountingConf>");
    login = new frmLogin(nullptr);
    login->show();

    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);

    QCOMPARE(dbHost, QString("localhost"));
    QCOMPARE(dbPort, 1212);
    QCOMPARE(dbUser, QString("root"));
    QCOMPARE(dbPassword, QString("KWZ407"));
    QCOMPARE(dbName, QString("bare"));
    QCOMPARE(MessageRecorder::messages().size(), 1); // nothing listens there
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY(!MessageRecorder::last().text.isEmpty());
    QVERIFY(mainWindows().isEmpty());
    TestSupport::freshCompany(); // the failed attempt replaced the default connection
    company = dbName;
}

void tst_login::companyListFollowsTheSettings_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("current");

    const QString two = "<Company Database=\"a\"/><Company Database=\"b\"/>";
    QTest::newRow("no default: the last company") << two << QStringList{"<Add New>", "a", "b"} << "b";
    QTest::newRow("the default company is chosen")
        << two + "<DefaultCompany Database=\"a\"/>" << QStringList{"<Add New>", "a", "b"} << "a";
    QTest::newRow("a default no longer listed chooses nothing")
        << two + "<DefaultCompany Database=\"gone\"/>" << QStringList{"<Add New>", "a", "b"} << "";
    QTest::newRow("the default matches letter case exactly")
        << two + "<DefaultCompany Database=\"A\"/>" << QStringList{"<Add New>", "a", "b"} << "";
}

void tst_login::companyListFollowsTheSettings()
{
    QFETCH(QString, settings);
    QFETCH(QStringList, entries);
    QFETCH(QString, current);
    delete login;
    writeSettings("<AccountingConf>" + settings + "</AccountingConf>");

    login = new frmLogin(nullptr);

    auto *combo = login->findChild<QComboBox *>("cmbCompanies");
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, entries);
    QCOMPARE(combo->currentText(), current);
}

void tst_login::firstStartOpensTheCompanyDialog()
{
    delete login;
    QFile::remove(TestSupport::settingsPath());
    QString opened;
    TestSupport::whenModal([&](QWidget *modal) {
        opened = modal->metaObject()->className();
        static_cast<QDialog *>(modal)->reject();
    });

    login = new frmLogin(nullptr);

    QCOMPARE(opened, QString("frmAddCompany"));
    QVERIFY(!login->isVisible()); // the company dialog came first
    auto *combo = login->findChild<QComboBox *>("cmbCompanies");
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentText(), QString("<Add New>"));
}

void tst_login::addedCompanyLogsInAtOnce()
{
    const QString name = TestSupport::uniqueDatabaseName("ztadded");
    TestSupport::whenModal([&](QWidget *modal) {
        modal->findChild<QLineEdit *>("txtServer")->setText(TestSupport::serverHost());
        modal->findChild<QLineEdit *>("txtPort")->setText(QString::number(TestSupport::serverPort()));
        modal->findChild<QLineEdit *>("txtServerPassword")->setText(TestSupport::serverPassword());
        modal->findChild<QComboBox *>("cmbDatabases")->setEditText(name);
        QTest::mouseClick(modal->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    });
    auto *combo = login->findChild<QComboBox *>("cmbCompanies");
    combo->setCurrentIndex(0);
    QMetaObject::invokeMethod(login, "on_cmbCompanies_activated", Q_ARG(int, 0));

    QCOMPARE(combo->currentText(), name); // the new company is the last one
    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
    QCOMPARE(mainWindows().size(), 1);
    QCOMPARE(dbName, name);
    QCOMPARE(currentUserName, QString("admin"));
    TestSupport::dropDatabase(name);
    TestSupport::freshCompany();
    company = dbName;
}

void tst_login::removeAndEditNeedACompany()
{
    auto *combo = login->findChild<QComboBox *>("cmbCompanies");
    combo->setCurrentIndex(0);
    QTest::mouseClick(login->findChild<QToolButton *>("btnRemoveCompany"), Qt::LeftButton);
    QTest::mouseClick(login->findChild<QToolButton *>("btnEditCompany"), Qt::LeftButton);
    QCOMPARE(settingsValues("Company", "Database"), (QStringList{"other", company}));

    combo->setCurrentIndex(1);
    QTest::mouseClick(login->findChild<QToolButton *>("btnRemoveCompany"), Qt::LeftButton);

    QVERIFY(MessageRecorder::messages().isEmpty()); // no confirmation
    QCOMPARE(settingsValues("Company", "Database"), QStringList{company});
    QCOMPARE(combo->count(), 2);
}

void tst_login::sameDatabaseOnTwoServersLogsInToEach_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("loggedIn");
    // Nothing listens on port 1: the first entry's server cannot be reached.
    QTest::newRow("the first entry tries its own server") << 1 << 1 << false;
    QTest::newRow("the second entry logs in to its own server") << 2 << TestSupport::serverPort() << true;
}

void tst_login::sameDatabaseOnTwoServersLogsInToEach()
{
    QFETCH(int, index);
    QFETCH(int, port);
    QFETCH(bool, loggedIn);
    delete login;
    writeSettings("<AccountingConf>\n" + companyEntry(company, "first password", 1) + companyEntry(company)
                  + "</AccountingConf>\n");
    login = new frmLogin(nullptr);
    login->show();
    login->findChild<QComboBox *>("cmbCompanies")->setCurrentIndex(index);

    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);

    QCOMPARE(dbPort, port);
    QCOMPARE(dbName, company);
    QCOMPARE(mainWindows().size(), loggedIn ? 1 : 0);
    QCOMPARE(MessageRecorder::messages().size(), loggedIn ? 0 : 1);
    if (!loggedIn) {
        QCOMPARE(dbPassword, QString("first password"));
        TestSupport::freshCompany(); // the failed attempt replaced the default connection
        company = dbName;
    }
}

void tst_login::removeFindsTheEntryByItsPosition()
{
    delete login;
    writeSettings("<AccountingConf>\n" + companyEntry("shop", "first") + companyEntry("shop", "second")
                  + "</AccountingConf>\n");
    login = new frmLogin(nullptr);
    login->findChild<QComboBox *>("cmbCompanies")->setCurrentIndex(2);

    QTest::mouseClick(login->findChild<QToolButton *>("btnRemoveCompany"), Qt::LeftButton);

    QVERIFY(MessageRecorder::messages().isEmpty());
    QCOMPARE(settingsValues("Company", "ServerPassword"), QStringList{"first"});
}

void tst_login::removeOfAnEntryChangedMeanwhileRemovesNothing()
{
    auto *combo = login->findChild<QComboBox *>("cmbCompanies");
    combo->setCurrentIndex(1);
    cXml other(cXml::programSettingsPath()); // another window edits "other" meanwhile
    QVERIFY(other.setAttributes("Company", {"ServerPassword"}, {"changed"}));

    QTest::mouseClick(login->findChild<QToolButton *>("btnRemoveCompany"), Qt::LeftButton);

    QCOMPARE(TestSupport::messageLog(),
             TestSupport::messageEntry(Messages::Warning, frmAddCompany::entryChangedMeanwhileText()));
    QCOMPARE(settingsValues("Company", "Database"), (QStringList{"other", company}));
    QCOMPARE(combo->itemData(1).toMap().value("ServerPassword").toString(), QString("changed")); // shown anew
}

void tst_login::damagedSettingsFileIsToldOnce()
{
    delete login;
    writeSettings("<AccountingConf><Company Database=\"shop\" Serv");
    for (int start = 0; start < 2; ++start) {
        TestSupport::whenModal([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
        login = new frmLogin(nullptr);
        delete login;
    }

    const QString bad = QDir::toNativeSeparators(TestSupport::settingsPath() + ".bad");
    const QString shown = QChar(0x2066) + bad + QChar(0x2069); // kept left to right in Arabic
    QCOMPARE(TestSupport::messageLog(),
             TestSupport::messageEntry(Messages::Warning,
                                       QString("The settings file could not be read. It was kept as %1, and a new "
                                               "one was started: the companies must be added again.").arg(shown)));
    QVERIFY(QFile::exists(bad));
}

void tst_login::languageFlags_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("restarts");

    QTest::newRow("Arabic flag in English restarts") << "en" << "btnArabic" << "ar" << true;
    QTest::newRow("English flag in Arabic restarts") << "ar" << "btnEnglish" << "en" << true;
    QTest::newRow("English flag in English only stores") << "en" << "btnEnglish" << "en" << false;
    QTest::newRow("Arabic flag in Arabic only stores") << "ar" << "btnArabic" << "ar" << false;
}

void tst_login::languageFlags()
{
    QFETCH(QString, running);
    QFETCH(QString, button);
    QFETCH(QString, stored);
    QFETCH(bool, restarts);
    languageCode = running;

    QTest::mouseClick(login->findChild<QPushButton *>(button), Qt::LeftButton);

    QCOMPARE(settingsValues("Language", "DefaultLanguage"), QStringList{stored});
    QCOMPARE(this->restarts.size(), restarts ? 1 : 0);
    QCOMPARE(login.isNull() || !login->isVisible(), restarts);
    if (restarts) {
        const QStringList arguments = QCoreApplication::arguments();
        QCOMPARE(this->restarts.first(), arguments);
    }
}

void tst_login::buttonsShowTheirWholeText_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English") << false;
    QTest::newRow("Arabic") << true;
}

// "Login" and "Cancel" beside their icons, whole, as the program shows them in its language.
void tst_login::buttonsShowTheirWholeText()
{
    QFETCH(bool, arabic);
    QTranslator translator;
    // The application's direction is read when the buttons are painted.
    const auto restore = qScopeGuard([&translator] {
        QCoreApplication::removeTranslator(&translator);
        QApplication::setLayoutDirection(Qt::LeftToRight);
    });
    if (arabic) {
        QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/../../zarpo_ar.qm"));
        QCoreApplication::installTranslator(&translator);
        QApplication::setLayoutDirection(Qt::RightToLeft);
        rightToLeft = true;
    }
    delete login;
    frmLogin window(nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    int checked = 0;
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->icon().isNull() || button->text().isEmpty())
            continue;
        const QString problem = buttonTextProblem(button);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        ++checked;
    }
    QVERIFY(checked >= 2);
    QCOMPARE(window.findChild<QPushButton *>("btnCancel")->text(),
             arabic ? QString::fromUtf8("إلغاء") : QString("Cancel"));
}

ZARPO_TEST_MAIN(tst_login)
#include "tst_login.moc"
