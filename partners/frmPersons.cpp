#include "partners/frmPersons.h"
#include "ui_frmPersons.h"

#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/textcolumns.h"

#include <QCompleter>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

frmPersons::frmPersons(QWidget *parent, int personId)
    : QDialog(parent), ui(new Ui::frmPersons), personId(personId),
      stored(QStringLiteral("persons"), QStringLiteral("PersonId"), tr("this person"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    limitToColumns();
    // A server that is gone fails the card and every list of places alike: one box.
    const FailedReads::Action opening;
    if (personId != 0)
        loadPerson();
    attachCompleter(ui->txtCity, QStringLiteral("city"));
    attachCompleter(ui->txtProvince, QStringLiteral("province"));
    attachCompleter(ui->txtCountry, QStringLiteral("country"));
}

frmPersons::~frmPersons()
{
    delete ui;
}

// The places already typed on other cards, offered whatever case the user types in;
// read once, so a card saved meanwhile is offered only by the next editor.
void frmPersons::attachCompleter(QLineEdit *edit, const QString &column)
{
    QStringList known;
    QSqlQuery query(QSqlDatabase::database());
    if (query.exec(QStringLiteral("select distinctrow %1 from persons").arg(column))) {
        while (query.next())
            known << query.value(0).toString();
    } else {
        FailedReads::tell(this, failureOf(query));
    }
    auto *completer = new QCompleter(known, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    edit->setCompleter(completer);
}

// In the column order of `persons`, from PersonName to Website.
QList<QLineEdit *> frmPersons::cardEdits() const
{
    return {ui->txtName,       ui->txtStreet1, ui->txtStreet2, ui->txtCity, ui->txtProvince, ui->txtPostalCode,
            ui->txtCountry,    ui->txtPhone1,  ui->txtPhone2,  ui->txtFax,  ui->txtEMail,    ui->txtWebsite};
}

void frmPersons::limitToColumns()
{
    const QStringList columns{QStringLiteral("PersonName"), QStringLiteral("Street1"),   QStringLiteral("Street2"),
                              QStringLiteral("City"),       QStringLiteral("Province"),  QStringLiteral("PostalCode"),
                              QStringLiteral("Country"),    QStringLiteral("Phone1"),    QStringLiteral("Phone2"),
                              QStringLiteral("Fax"),        QStringLiteral("EMail"),     QStringLiteral("Website")};
    const QList<QLabel *> labels{ui->label,   ui->label_2, ui->label_3,  ui->label_4,  ui->label_5,  ui->label_6,
                                 ui->label_7, ui->label_8, ui->label_9, ui->label_10, ui->label_11, ui->label_12};
    const QList<QLineEdit *> edits = cardEdits();
    QList<TextColumns::Field> fields;
    for (int i = 0; i < edits.size(); ++i)
        fields.append({edits.at(i), columns.at(i), labels.at(i)});
    TextColumns::limit(QStringLiteral("persons"), fields);
}

void frmPersons::loadPerson()
{
    stored.remember(personId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from persons where PersonId = :PersonId"));
    query.bindValue(QStringLiteral(":PersonId"), personId);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    const QList<QLineEdit *> edits = cardEdits();
    for (int column = 1; column <= edits.size(); ++column)
        edits.at(column - 1)->setText(query.value(column).toString());
}

bool frmPersons::savePerson()
{
    if (!FailedReads::readWhole(this) || !TextColumns::storable(this))
        return false;
    cDbSave save;
    QSqlQuery query = save.prepare(
        personId != 0
            ? QStringLiteral(
                  "Update persons set PersonName = :PersonName, Street1 = :Street1, Street2 = :Street2, City = :City, "
                  "Province = :Province, PostalCode = :PostalCode, Country = :Country, Phone1 = :Phone1, "
                  "Phone2 = :Phone2, Fax = :Fax, EMail = :EMail, Website = :Website Where PersonId = :PersonId")
            : QStringLiteral(
                  "Insert into persons (PersonName, Street1, Street2, City, Province, PostalCode, Country, Phone1, "
                  "Phone2, Fax, EMail, Website) Values (:PersonName, :Street1, :Street2, :City, :Province, "
                  ":PostalCode, :Country, :Phone1, :Phone2, :Fax, :EMail, :Website)"));
    if (personId != 0)
        query.bindValue(QStringLiteral(":PersonId"), personId);
    // The name is kept even when empty, so a card is always listed under some name;
    // the other fields are left unknown when nothing but blanks was typed.
    query.bindValue(QStringLiteral(":PersonName"), ui->txtName->text());
    const QList<QPair<QString, QLineEdit *>> optional{
        {QStringLiteral(":Street1"), ui->txtStreet1}, {QStringLiteral(":Street2"), ui->txtStreet2},
        {QStringLiteral(":City"), ui->txtCity},       {QStringLiteral(":Province"), ui->txtProvince},
        {QStringLiteral(":PostalCode"), ui->txtPostalCode}, {QStringLiteral(":Country"), ui->txtCountry},
        {QStringLiteral(":Phone1"), ui->txtPhone1},   {QStringLiteral(":Phone2"), ui->txtPhone2},
        {QStringLiteral(":Fax"), ui->txtFax},         {QStringLiteral(":EMail"), ui->txtEMail},
        {QStringLiteral(":Website"), ui->txtWebsite}};
    for (const auto &field : optional)
        query.bindValue(field.first, textOrNullIfBlank(field.second->text()));
    save.execRecord(query, stored, personId);
    added.read(save, personId);
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmPersons::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    personId = 0;
    for (QLineEdit *edit : cardEdits())
        edit->clear();
}

void frmPersons::on_btnSave_clicked()
{
    savePerson();
}

void frmPersons::on_btnSaveAndClose_clicked()
{
    if (savePerson())
        close();
}
