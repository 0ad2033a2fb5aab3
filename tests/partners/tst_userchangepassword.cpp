#include "app/frmLogin.h"
#include "app/frmMainWindow.h"
#include "core/system/globals.h"
#include "partners/frmUserChangePassword.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>

using TestSupport::MessageRecorder;

namespace {
// The users' ids and stored digests, to see what a save wrote and what it left alone.
QString storedPasswords(int exceptUserId = -1)
{
    return TestSupport::queryValue(QString("select group_concat(UserId, ':', ifnull(Password, 'NULL') order by UserId) "
                                           "from users where UserId <> %1")
                                       .arg(exceptUserId))
        .toString();
}

bool holdsPassword(int userId, const QString &password)
{
    QSqlQuery query;
    query.prepare("select count(*) from users where UserId = :id and Password = md5(:password)");
    query.bindValue(":id", userId);
    query.bindValue(":password", password);
    return query.exec() && query.next() && query.value(0).toInt() == 1;
}
}

class tst_userchangepassword : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowShowsTheUser_data();
    void windowShowsTheUser();
    void save_data();
    void save();
    void loginTakesTheNewPassword();

private:
    QPointer<frmUserChangePassword> dialog;
};

void tst_userchangepassword::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_userchangepassword::cleanup()
{
    delete dialog;
    QList<QWidget *> opened;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<frmMainWindow *>(widget) || qobject_cast<frmLogin *>(widget))
            opened << widget;
    qDeleteAll(opened);
    rightToLeft = false;
}

void tst_userchangepassword::windowShowsTheUser_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("English") << false << Qt::LeftToRight;
    QTest::newRow("Arabic") << true << Qt::RightToLeft;
}

void tst_userchangepassword::windowShowsTheUser()
{
    QFETCH(bool, rightToLeft);
    QFETCH(Qt::LayoutDirection, direction);
    ::rightToLeft = rightToLeft;

    frmUserChangePassword window(nullptr, 1, "admin");

    auto *userName = window.findChild<QLineEdit *>("txtUsername");
    QCOMPARE(userName->text(), QString("admin"));
    QVERIFY(userName->isReadOnly());
    QCOMPARE(window.layoutDirection(), direction);
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    for (const char *secret : {"txtOldPassword", "txtNewPassword", "txtConfirmePassword"})
        QCOMPARE(window.findChild<QLineEdit *>(secret)->echoMode(), QLineEdit::Password);
}

void tst_userchangepassword::save_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<int>("userId");
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message"); // empty: saved and closed without a word
    QTest::addColumn<QString>("stored");  // the user's password after a save

    const QString noPassword = QString("Insert password");
    const QString mismatch = QString("Password and its confirmation dosn't match");
    const QString invalidUser = QString("Invalid user");
    const QString incorrect = QString("Incorrect password");
    const QString blanks = QString("A password cannot begin or end with a blank.");
    const QStringList none;

    QTest::newRow("empty new password, reported before the wrong old one")
        << none << 1 << "wrong" << "" << "" << noPassword << QString();
    QTest::newRow("blanks alone are refused") << none << 1 << "tavle" << "   " << "   " << blanks << QString();
    QTest::newRow("confirmation differs, reported before the wrong old one")
        << none << 1 << "wrong" << "fresh" << "fresch" << mismatch << QString();
    QTest::newRow("a failing lookup shows the database's error")
        << QStringList{"rename table users to users_gone"} << 1 << "tavle" << "fresh" << "fresh"
        << msgSelectFailed + "\n" << QString();
    QTest::newRow("no user chosen") << none << 0 << "tavle" << "fresh" << "fresh" << invalidUser << QString();
    QTest::newRow("unknown user") << none << 99 << "tavle" << "fresh" << "fresh" << invalidUser << QString();
    QTest::newRow("wrong old password") << none << 1 << "tavel" << "fresh" << "fresh" << incorrect << QString();
    QTest::newRow("old password in other letter case")
        << none << 1 << "TAVLE" << "fresh" << "fresh" << incorrect << QString();
    QTest::newRow("a user without a password never matches")
        << QStringList{"insert into users (UserId, EmployeeId, Username, Password) values (2, 1, 'clerk', NULL)"}
        << 2 << "" << "fresh" << "fresh" << incorrect << QString();
    QTest::newRow("a stored password with blanks matches as typed")
        << QStringList{"insert into users (UserId, EmployeeId, Username, Password) values (2, 1, 'clerk', md5(' padded'))"}
        << 2 << " padded" << "fresh" << "fresh" << "" << "fresh";
    QTest::newRow("a refused update shows the database's error")
        << QStringList{"create trigger refuse before update on users for each row "
                       "signal sqlstate '45000' set message_text = 'refused'"}
        << 1 << "tavle" << "fresh" << "fresh" << msgInsertFailed + "\n" << QString();

    QTest::newRow("the new password replaces the old") << none << 1 << "tavle" << "fresh" << "fresh" << "" << "fresh";
    QTest::newRow("the old password is compared as typed, blanks and all")
        << none << 1 << " tavle " << "fresh" << "fresh" << incorrect << QString();
    QTest::newRow("a new password ending in a blank is refused, never trimmed")
        << none << 1 << "tavle" << "fresh " << "fresh " << blanks << QString();
    QTest::newRow("a new password starting with a blank is refused")
        << none << 1 << "tavle" << " fresh" << " fresh" << blanks << QString();
    QTest::newRow("blanks inside are kept") << none << 1 << "tavle" << "fr esh" << "fr esh" << "" << "fr esh";
    QTest::newRow("the same password again") << none << 1 << "tavle" << "tavle" << "tavle" << "" << "tavle";
    QTest::newRow("only the chosen user changes")
        << QStringList{"insert into users (UserId, EmployeeId, Username, Password) values (2, 1, 'clerk', md5('clerk'))"}
        << 2 << "clerk" << "fresh" << "fresh" << "" << "fresh";
}

void tst_userchangepassword::save()
{
    QFETCH(QStringList, fixture);
    QFETCH(int, userId);
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    for (const QString &sql : fixture)
        EXEC_SQL(sql);
    const QString othersBefore = storedPasswords(userId);
    const QString allBefore = storedPasswords();
    dialog = new frmUserChangePassword(nullptr, userId, "someone");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();

    type(dialog, "txtOldPassword", oldPassword);
    type(dialog, "txtNewPassword", newPassword);
    type(dialog, "txtConfirmePassword", confirmation);
    QTest::mouseClick(dialog->findChild<QPushButton *>("btnSaveAndClose"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (message.isEmpty()) {
        QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
        QVERIFY(dialog.isNull());
        QVERIFY(holdsPassword(userId, stored));
        QCOMPARE(storedPasswords(userId), othersBefore);
        return;
    }
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QCOMPARE(MessageRecorder::last().title, msgCaption);
    if (message.endsWith('\n')) { // the database's own text follows
        QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(MessageRecorder::last().text));
        QVERIFY(MessageRecorder::last().text.size() > message.size());
    } else {
        QCOMPARE(MessageRecorder::last().text, message);
    }
    QVERIFY(!dialog.isNull() && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit *>("txtNewPassword")->text(), newPassword);
    QCOMPARE(storedPasswords(), allBefore);
}

void tst_userchangepassword::loginTakesTheNewPassword()
{
    dialog = new frmUserChangePassword(nullptr, 1, "admin");
    dialog->show();
    type(dialog, "txtOldPassword", "tavle");
    type(dialog, "txtNewPassword", "fresh");
    type(dialog, "txtConfirmePassword", "fresh");
    QTest::mouseClick(dialog->findChild<QPushButton *>("btnSaveAndClose"), Qt::LeftButton);
    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
    QVERIFY(!dialog->isVisible());
    QVERIFY(TestSupport::queryValue("select count(*) from users where UserId = 1 and Password = md5('fresh')").toInt() == 1);

    TestSupport::writeCompanySettings();
    QPointer<frmLogin> login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->show();
    type(login, "txtUsername", "admin");
    currentUserId = 0;

    type(login, "txtPassword", "tavle");
    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);
    QVERIFY(login->findChild<QLabel *>("lblNotice")->isVisible()); // the old one is refused

    login->findChild<QLineEdit *>("txtPassword")->clear();
    type(login, "txtPassword", "fresh");
    QTest::mouseClick(login->findChild<QPushButton *>("btnLogin"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
    QVERIFY(login.isNull());
    QCOMPARE(currentUserId, 1);
}

ZARPO_TEST_MAIN(tst_userchangepassword)
#include "tst_userchangepassword.moc"
