#include "app/frmLogin.h"
#include "ui_frmLogin.h"

#include "core/system/cXml.h"
#include "core/db/connection.h"
#include "app/frmAddCompany.h"
#include "app/frmMainWindow.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/system/messages.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/textcolumns.h"
#include "app/restart.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

frmLogin::frmLogin(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmLogin)
{
    ui->setupUi(this);
    setWindowFlags(Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->lblNotice->hide();
    fillCompanies();
    ui->txtUsername->setFocus();
}

frmLogin::~frmLogin()
{
    delete ui;
}

void frmLogin::fillCompanies()
{
    ui->cmbCompanies->clear();
    cXml xml(cXml::programSettingsPath());
    xml.load();
    const QString damaged = cXml::takeKeptDamagedFile();
    if (!damaged.isEmpty())
        Messages::warning(this, msgCaption,
                          tr("The settings file could not be read. It was kept as %1, and a new one was "
                             "started: the companies must be added again.")
                              .arg(Direction::leftToRight(QDir::toNativeSeparators(damaged))));
    ui->cmbCompanies->addItem(tr("<Add New>"));
    // Each entry carries its element's attributes: the login, Edit and Remove know it by
    // its position in the file, since two entries may share a database name.
    for (int position = 0;; ++position) {
        const QDomElement element = xml.elementAt(QStringLiteral("Company"), position);
        if (element.isNull())
            break;
        ui->cmbCompanies->addItem(element.attribute(QStringLiteral("Database")), cXml::attributes(element));
    }
    // With no company known yet, the user can only start by adding one.
    if (ui->cmbCompanies->count() == 1)
        on_cmbCompanies_activated(0);

    const QStringList defaults = xml.getAttributes(QStringLiteral("DefaultCompany"), QStringLiteral("Database"));
    if (defaults.isEmpty())
        ui->cmbCompanies->setCurrentIndex(ui->cmbCompanies->count() - 1);
    else
        ui->cmbCompanies->setCurrentIndex(ui->cmbCompanies->findText(defaults.first(), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void frmLogin::on_btnLogin_clicked()
{
    const QString company = ui->cmbCompanies->currentText();
    const QVariantMap entry = ui->cmbCompanies->currentData().toMap();
    dbHost = entry.value(QStringLiteral("Server"), QStringLiteral("localhost")).toString();
    dbUser = entry.value(QStringLiteral("ServerUsername"), QStringLiteral("root")).toString();
    dbPassword = entry.value(QStringLiteral("ServerPassword"), QStringLiteral("KWZ407")).toString();
    dbPort = entry.value(QStringLiteral("ServerPort"), QStringLiteral("1212")).toInt();
    dbName = entry.value(QStringLiteral("Database"), QStringLiteral("accounting")).toString();

    if (!connectDatabase())
        return;

    // The company's details and the main window's panels fail alike on a broken company:
    // one box for the whole login.
    const FailedReads::Action login;
    if (!checkUser())
        return;

    // The main window registers the default connection anew; nothing may hold the
    // login's handle by then.
    db = QSqlDatabase();
    auto *mainWindow = new frmMainWindow(nullptr);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    ScreenFit::show(mainWindow, true);

    cXml xml(cXml::programSettingsPath());
    xml.setAttributes(QStringLiteral("DefaultCompany"), {QStringLiteral("Database")}, {company});
    close();
}

// Fills the login state when the typed user and password match; shows why not otherwise.
bool frmLogin::checkUser()
{
    // A name the column cannot hold names no user; the server would refuse to compare it
    // ("Illegal mix of collations") rather than find none.
    const QString name = ui->txtUsername->text();
    if (!TextColumns::fitsCharset(name, TextColumns::columnCharset(QStringLiteral("users"), QStringLiteral("Username")))) {
        ui->lblNotice->show();
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "select UserId, users.EmployeeId, PersonId, PersonName, Username, users.password, md5(:pass) "
        "from users inner join employees on users.EmployeeId = employees.EmployeeId "
        "inner join persons on employees.EmployeePersonId = persons.PersonId where users.username = :user"));
    query.bindValue(QStringLiteral(":user"), name);
    query.bindValue(QStringLiteral(":pass"), ui->txtPassword->text());
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
        return false;
    }
    if (!query.next() || query.value(5).toString() != query.value(6).toString()) {
        ui->lblNotice->show();
        return false;
    }
    currentEmployeeId = query.value(1).toInt();
    currentPersonName = query.value(3).toString();
    currentUserId = query.value(0).toInt();
    currentUserName = query.value(4).toString();

    // The user is in either way; what could not be read is told, and the company's name and
    // currency then show blank.
    if (!query.exec(QStringLiteral("Select CompanyName, Address, Phone from companyinfo")))
        FailedReads::tell(this, failureOf(query));
    const bool hasCompany = query.next();
    companyName = hasCompany ? query.value(0).toString() : QString();
    companyAddress = hasCompany ? query.value(1).toString() : QString();
    companyPhone = hasCompany ? query.value(2).toString() : QString();
    if (!query.exec(QStringLiteral("Select Currency, CurrencySymbol from currencies Where IsDefault = 1")))
        FailedReads::tell(this, failureOf(query));
    const bool hasCurrency = query.next();
    defaultCurrency = hasCurrency ? query.value(0).toString() : QString();
    defaultCurrencySymbol = hasCurrency ? query.value(1).toString() : QString();
    return true;
}

bool frmLogin::connectDatabase()
{
    db = openDefaultConnectionFromSettings();
    if (db.isOpen())
        return true;
    Messages::critical(this, msgCaption, db.lastError().text());
    return false;
}

void frmLogin::on_btnCancel_clicked()
{
    close();
}

void frmLogin::on_cmbCompanies_activated(int index)
{
    if (index != 0)
        return;
    frmAddCompany dialog(nullptr);
    if (ScreenFit::exec(dialog) == QDialog::Accepted)
        fillCompanies();
}

void frmLogin::on_btnEditCompany_clicked()
{
    if (ui->cmbCompanies->currentIndex() <= 0)
        return;
    frmAddCompany dialog(nullptr);
    dialog.loadCompany(ui->cmbCompanies->currentIndex() - 1);
    ScreenFit::exec(dialog);
    fillCompanies();
}

void frmLogin::on_btnRemoveCompany_clicked()
{
    if (ui->cmbCompanies->currentIndex() <= 0)
        return;
    const int position = ui->cmbCompanies->currentIndex() - 1;
    const QVariantMap shown = ui->cmbCompanies->currentData().toMap();
    bool changedMeanwhile = false;
    cXml xml(cXml::programSettingsPath());
    const bool removed = xml.update([&](cXml &file) {
        changedMeanwhile = !file.hasElementAt(QStringLiteral("Company"), position, shown);
        return !changedMeanwhile && file.removeElementAt(QStringLiteral("Company"), position);
    });
    if (changedMeanwhile)
        Messages::warning(this, msgCaption, frmAddCompany::entryChangedMeanwhileText());
    else if (!removed)
        Messages::critical(this, msgCaption, tr("The company could not be removed from the settings file."));
    fillCompanies();
}

void frmLogin::on_btnEnglish_clicked()
{
    setLanguage(QStringLiteral("en"));
}

void frmLogin::on_btnArabic_clicked()
{
    setLanguage(QStringLiteral("ar"));
}

void frmLogin::setLanguage(const QString &code)
{
    cXml xml(cXml::programSettingsPath());
    // The new process reads the file at its start, so it must be complete before then.
    const bool saved = xml.setAttributes(QStringLiteral("Language"), {QStringLiteral("DefaultLanguage")}, {code});
    if (code == languageCode)
        return;
    if (!saved) {
        Messages::critical(this, msgCaption, tr("The language could not be saved in the settings file."));
        return;
    }
    if (!restartProgram()) {
        Messages::critical(this, msgCaption,
                           tr("Zarpo could not be restarted. The new language applies at the next start."));
        return;
    }
    close();
}
