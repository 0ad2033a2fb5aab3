#include "app/frmAddCompany.h"
#include "ui_frmAddCompany.h"

#include "core/system/cXml.h"
#include "core/db/companydb.h"
#include "core/db/connection.h"
#include "core/system/globals.h"
#include "core/system/messages.h"

#include <QSqlError>
#include <QSqlQuery>

frmAddCompany::frmAddCompany(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmAddCompany), xml(new cXml(cXml::programSettingsPath()))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    xml->load();
}

frmAddCompany::~frmAddCompany()
{
    delete xml;
    delete ui;
}

void frmAddCompany::loadCompany(int position)
{
    const QDomElement element = xml->elementAt(QStringLiteral("Company"), position);
    ui->txtServer->setText(element.attribute(QStringLiteral("Server"), QStringLiteral("localhost")));
    ui->txtServerUsername->setText(element.attribute(QStringLiteral("ServerUsername"), QStringLiteral("root")));
    ui->txtServerPassword->setText(element.attribute(QStringLiteral("ServerPassword"), QStringLiteral("123")));
    ui->txtPort->setText(element.attribute(QStringLiteral("ServerPort"), QStringLiteral("3306")));
    ui->cmbDatabases->addItem(element.attribute(QStringLiteral("Database")));
    ui->cmbDatabases->setCurrentIndex(0);
    editMode = true;
    loadedPosition = position;
    loadedEntry = cXml::attributes(element);
}

QString frmAddCompany::entryChangedMeanwhileText()
{
    return tr("The company entry was changed or removed in another window or by another Zarpo "
              "meanwhile, so it was left as that one saved it. Open the company list again to see it.");
}

void frmAddCompany::on_btnTestConnection_clicked()
{
    static const QStringList systemDatabases = {QStringLiteral("information_schema"),
                                                QStringLiteral("performance_schema"),
                                                QStringLiteral("mysql"), QStringLiteral("test")};
    const QString database = ui->cmbDatabases->currentText().trimmed();
    db = openDefaultConnection(ui->txtServer->text(), ui->txtPort->text().toInt(), ui->txtServerUsername->text(),
                               ui->txtServerPassword->text(),
                               database.isEmpty() ? QStringLiteral("mysql") : database);
    if (!db.isOpen()) {
        Messages::critical(this, msgCaption,
                           tr("Incorrect connection paramters for the following error:\n") + db.lastError().text());
        return;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("Show databases")))
        return;
    ui->cmbDatabases->clear();
    Messages::information(this, msgCaption, tr("Connection to host succeeded"));
    while (query.next()) {
        const QString name = query.value(0).toString();
        if (!systemDatabases.contains(name, Qt::CaseInsensitive))
            ui->cmbDatabases->addItem(name, name);
    }
}

void frmAddCompany::on_btnSave_clicked()
{
    const bool listed = ui->cmbDatabases->findText(ui->cmbDatabases->currentText(),
                                                   Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    // The entry is only worth keeping when its database exists whole.
    if (!listed && !createDatabase())
        return;
    if (saveCompany())
        accept();
}

// Creates the database on a connection made from the fields as they stand now, so the
// database lands on the server the entry will point at.
bool frmAddCompany::createDatabase()
{
    const QString problem = databaseNameProblem(ui->cmbDatabases->currentText());
    if (!problem.isEmpty()) {
        Messages::critical(this, msgCaption, QStringLiteral("Create database failed:\n") + problem);
        return false;
    }
    const QString connectionName = QStringLiteral("zarpo_create_company");
    bool created = false;
    QString error;
    {
        QSqlDatabase server = QSqlDatabase::addDatabase(dbDriver, connectionName);
        server.setHostName(ui->txtServer->text());
        server.setPort(ui->txtPort->text().toInt());
        server.setUserName(ui->txtServerUsername->text());
        server.setPassword(ui->txtServerPassword->text());
        if (server.open()) {
            QSqlQuery(server).exec(QStringLiteral("SET NAMES utf8mb4"));
            ScriptFailure failure;
            created = createCompanyDatabase(server, ui->cmbDatabases->currentText(), &failure);
            error = failure.error;
        } else {
            error = server.lastError().text();
        }
        server.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!created) {
        Messages::critical(this, msgCaption, QStringLiteral("Create database failed:\n") + error);
        return false;
    }
    // Listed from now on, so a second Save after a failed write of the settings file
    // attaches the new database instead of creating it again.
    ui->cmbDatabases->addItem(ui->cmbDatabases->currentText(), ui->cmbDatabases->currentText());
    return true;
}

bool frmAddCompany::saveCompany()
{
    const QStringList names = {QStringLiteral("Server"), QStringLiteral("ServerPort"),
                               QStringLiteral("ServerUsername"), QStringLiteral("ServerPassword"),
                               QStringLiteral("Database")};
    const QStringList values = {ui->txtServer->text(), ui->txtPort->text(), ui->txtServerUsername->text(),
                                ui->txtServerPassword->text(), ui->cmbDatabases->currentText()};
    bool changedMeanwhile = false;
    // An edited entry leaves its place and comes back last, in one write with the removal.
    const bool saved = xml->update([&](cXml &file) {
        if (editMode) {
            changedMeanwhile = !file.hasElementAt(QStringLiteral("Company"), loadedPosition, loadedEntry);
            if (changedMeanwhile)
                return false;
            file.removeElementAt(QStringLiteral("Company"), loadedPosition);
        }
        return file.addElement(QStringLiteral("Company"), names, values);
    });
    if (changedMeanwhile)
        Messages::warning(this, msgCaption, entryChangedMeanwhileText());
    else if (!saved)
        Messages::critical(this, msgCaption, tr("The company could not be saved in the settings file."));
    return saved;
}
