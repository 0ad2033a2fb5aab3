#include "partners/frmCustomers.h"
#include "ui_frmCustomers.h"

#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/numberfields.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "partners/frmEmployees.h"
#include "partners/frmPersons.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const int shipToContactPerson = 0;
const int shipToAddNew = 1;
const int salesPersonAddNew = 1;

const QString personsSql = QStringLiteral("select PersonId, personName from persons");
}

frmCustomers::frmCustomers(QWidget *parent, int customerId)
    : QDialog(parent), ui(new Ui::frmCustomers), customerId(0),
      stored(QStringLiteral("customers"), QStringLiteral("CustomerId"), tr("this customer"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    // A server that is gone fails every list and the customer alike: one box.
    const FailedReads::Action opening;
    ui->tabWidget->setCurrentIndex(0);
    ui->dateCustomerSince->setDate(QDate::currentDate());
    ui->dateCustomerSince->setDisplayFormat(dateFormat);
    ui->dateLastSales->setDisplayFormat(dateFormat);
    ui->dateLastSales->hide();
    ui->label_2->hide();
    fillSalesPersons();
    fillPersons();
    ui->cmbExpensesAcc->hide();
    ui->cmbRevenuAcc->hide();
    ui->lblExpensesAcc->hide();
    ui->lblRevenuAcc->hide();
    fillPriceTypes();
    TextColumns::limit(QStringLiteral("customers"),
                       {{ui->txtCustomerName, QStringLiteral("CustomerName"), ui->label_14},
                        {ui->txtNotes, QStringLiteral("Notes"), ui->label_13}});
    NumberFields::setupWholeNumber(ui->txtDiscount, 0, 100);
    // The card shows a person's name as it was typed, even one that looks like markup.
    for (QLabel *label : {ui->lblContactName, ui->lblContactStreet, ui->lblContactCityCountry, ui->lblContactPhone})
        label->setTextFormat(Qt::PlainText);
    this->customerId = customerId;
    if (customerId > 0)
        loadCustomer();
}

frmCustomers::~frmCustomers()
{
    delete ui;
}

// Both person combos come from one read, so they always offer the same persons.
void frmCustomers::fillPersons()
{
    fillCombo(ui->cmbPersons, {tr("<Add New>")}, personsSql);
    ui->cmbShipTo->clear();
    ui->cmbShipTo->addItems({tr("<Contact Person>"), tr("<Add New>")});
    for (int i = 1; i < ui->cmbPersons->count(); ++i)
        ui->cmbShipTo->addItem(ui->cmbPersons->itemText(i), ui->cmbPersons->itemData(i));
}

void frmCustomers::fillSalesPersons()
{
    // CONCAT_WS: an employee without a job title still shows the name.
    fillCombo(ui->cmbSalesPerson, {QString(), tr("<Add New>")},
              QStringLiteral("select EmployeeId, CONCAT_WS(': ', personName, JobTitle) as Employee "
                             "from employees inner join persons on EmployeePersonId = PersonId where IsActive=1"));
}

void frmCustomers::fillPriceTypes()
{
    fillCombo(ui->cmbPriceType, {tr("<Add New>")}, QStringLiteral("select PriceTypeId, PriceType from pricetypes"));
}

// Fills the contact card and, from the same person, the ship-to card, whatever cmbShipTo
// names: the cards show the latest choice of person, Save takes cmbShipTo's.
void frmCustomers::showContactPerson()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select PersonName, Street1, City, Province, Country, Phone1 from persons "
                                 "where PersonId = :id"));
    query.bindValue(QStringLiteral(":id"), comboItemId(ui->cmbPersons));
    if (!query.exec())
        FailedReads::tell(this, failureOf(query));
    const bool found = query.isActive() && query.next();
    const auto value = [&](int column) { return found ? query.value(column).toString() : QString(); };
    // As typed, each in its own direction: a phone number keeps its groups in order.
    Direction::setLabelText(ui->lblContactName, value(0));
    Direction::setLabelText(ui->lblContactStreet, value(1));
    Direction::setLabelText(ui->lblContactCityCountry,
                            value(2) + QStringLiteral(", ") + value(3) + QStringLiteral(", ") + value(4));
    Direction::setLabelText(ui->lblContactPhone, value(5));
    showPersonCard(ui->cmbPersons->currentData().toInt());
}

void frmCustomers::showPersonCard(int personId)
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("select * from persons where personId = :id"));
    query.bindValue(QStringLiteral(":id"), personId);
    if (!query.exec())
        FailedReads::tell(this, failureOf(query));
    const bool found = query.isActive() && query.next();
    const QList<QLineEdit *> card = shipToFields();
    for (int column = 1; column <= card.size(); ++column)
        card.at(column - 1)->setText(found ? query.value(column).toString() : QString());
}

// In the column order of `persons`, from PersonName to Website.
QList<QLineEdit *> frmCustomers::shipToFields() const
{
    return {ui->txtShipToName,    ui->txtShipToStreet1, ui->txtShipToStreet2, ui->txtShipToCity,
            ui->txtShipToProvince, ui->txtShipToPostalCode, ui->txtShipToCountry, ui->txtShipToPhone1,
            ui->txtShipToPhone2,  ui->txtShipToFax,     ui->txtShipToEMail,   ui->txtShipToWebsite};
}

void frmCustomers::clearShipToFields()
{
    for (QLineEdit *field : shipToFields())
        field->clear();
}

void frmCustomers::loadCustomer()
{
    stored.remember(customerId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from customers where CustomerId = :customerId"));
    query.bindValue(QStringLiteral(":customerId"), customerId);
    const bool found = FailedReads::execNoted(this, query) && query.next();
    // A form that shows no stored customer must not be saved over it.
    allowSave(found);
    const auto value = [&](const char *column) {
        return found ? query.value(QLatin1String(column)) : QVariant();
    };

    ui->txtCustomerName->setText(value("CustomerName").toString());
    selectComboItemById(ui->cmbPersons, value("CustomerPersonId"));
    // An employee no longer active is shown as stored, and kept unless another is chosen.
    selectStoredItem(ui->cmbSalesPerson, value("SalesPersonId"),
                     QStringLiteral("select CONCAT_WS(': ', personName, JobTitle) from employees inner join persons "
                                    "on EmployeePersonId = PersonId where EmployeeId = :id"));
    if (found)
        StoredFields::showDate(ui->dateCustomerSince, value("CustomerSince"));
    StoredFields::showCheck(ui->chkActive, value("IsActive"));
    selectComboItemById(ui->cmbPriceType, value("DefaultPriceTypeId"));
    NumberFields::showStored(ui->txtDiscount, value("StandardDiscount").toDouble(), ui->label_10);
    ui->txtNotes->setPlainText(value("Notes").toString());

    showContactPerson();
    const QVariant shipToId = value("ShipToPersonId");
    if (shipToId.toInt() != value("CustomerPersonId").toInt()) {
        selectStoredItem(ui->cmbShipTo, shipToId);
        showPersonCard(ui->cmbShipTo->currentData().toInt());
    }
    showLastSale();
}

// The date of the customer's latest sales invoice; a customer without a dated one shows
// no date at all rather than the date field's own default, and so does a failed read,
// which is told.
void frmCustomers::showLastSale()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("select max(Date) from salesinvoice where CustomerId = :CustomerId"));
    query.bindValue(QStringLiteral(":CustomerId"), customerId);
    const bool dated = FailedReads::execOrTell(query, this) && query.next() && !query.value(0).toString().isEmpty();
    if (dated)
        ui->dateLastSales->setDate(query.value(0).toDate());
    ui->dateLastSales->setVisible(dated);
    ui->label_2->setVisible(dated);
}

void frmCustomers::allowSave(bool allowed)
{
    ui->btnSave->setEnabled(allowed);
    ui->btnSaveAndClose->setEnabled(allowed);
}

// The customers list shows a customer by its name beside its contact person: a customer
// without either could be neither found nor deleted.
bool frmCustomers::validateCustomer()
{
    if (ui->txtCustomerName->text().trimmed().isEmpty()) {
        Messages::critical(this, msgCaption, tr("Type the customer's name."));
        ui->txtCustomerName->setFocus();
        return false;
    }
    if (comboItemId(ui->cmbPersons).isNull()) {
        Messages::critical(this, msgCaption, tr("Choose the customer's contact person."));
        ui->cmbPersons->setFocus();
        return false;
    }
    return TextColumns::storable(this) && NumberFields::storable(this);
}

bool frmCustomers::saveCustomer()
{
    if (!FailedReads::readWhole(this) || !validateCustomer())
        return false;
    // The account combos are hidden and offer nothing, so a save leaves the accounts as
    // they are stored: NULL for a new customer, untouched by an update.
    cDbSave save;
    QSqlQuery query = save.prepare(
        customerId != 0
            ? QStringLiteral(
                  "UPDATE `customers` set customerName = :CustomerName, CustomerPersonId = :CustomerPersonId, "
                  "SalesPersonId = :SalesPersonId, CustomerSince = :CustomerSince, IsActive = :IsActive, "
                  "ShipToPersonId = :ShipToPersonId, DefaultPriceTypeId = :DefaultPriceTypeId, "
                  "StandardDiscount = :StandardDiscount, Notes = :Notes Where CustomerId = :CustomerId ;")
            : QStringLiteral(
                  "INSERT INTO `customers` (`CustomerName`, `CustomerPersonId`, `SalesPersonId`, `CustomerSince`, "
                  "`IsActive`, `ShipToPersonId`, `DefaultPriceTypeId`, `StandardDiscount`, `Notes`) VALUES "
                  "(:CustomerName, :CustomerPersonId, :SalesPersonId, :CustomerSince, :IsActive, :ShipToPersonId, "
                  ":DefaultPriceTypeId, :StandardDiscount, :Notes);"));
    if (customerId != 0)
        query.bindValue(QStringLiteral(":CustomerId"), customerId);
    query.bindValue(QStringLiteral(":CustomerName"), textNotNull(ui->txtCustomerName->text()));
    query.bindValue(QStringLiteral(":CustomerPersonId"), comboItemId(ui->cmbPersons));
    query.bindValue(QStringLiteral(":SalesPersonId"), comboItemId(ui->cmbSalesPerson));
    query.bindValue(QStringLiteral(":CustomerSince"), StoredFields::dateOrNull(ui->dateCustomerSince));
    query.bindValue(QStringLiteral(":IsActive"), StoredFields::checkOrNull(ui->chkActive));
    // "<Contact Person>" ships to the contact person; no person at all is stored as 0.
    const QComboBox *shipTo = ui->cmbShipTo->currentIndex() == shipToContactPerson ? ui->cmbPersons : ui->cmbShipTo;
    query.bindValue(QStringLiteral(":ShipToPersonId"), shipTo->currentData().toInt());
    query.bindValue(QStringLiteral(":DefaultPriceTypeId"), comboItemId(ui->cmbPriceType));
    query.bindValue(QStringLiteral(":StandardDiscount"), qRound(ui->txtDiscount->value()));
    query.bindValue(QStringLiteral(":Notes"), textOrNullIfBlank(ui->txtNotes->toPlainText()));
    save.execRecord(query, stored, customerId);
    added.read(save, customerId);
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmCustomers::on_btnSave_clicked()
{
    saveCustomer();
}

void frmCustomers::on_btnSaveAndClose_clicked()
{
    if (saveCustomer())
        close();
}

void frmCustomers::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    StoredFields::showDefaultCheck(ui->chkActive, true);
    ui->cmbExpensesAcc->setCurrentIndex(0);
    ui->cmbRevenuAcc->setCurrentIndex(0);
    ui->cmbPersons->setCurrentIndex(0);
    ui->cmbPriceType->setCurrentIndex(0);
    removeEntriesNotOffered(ui->cmbSalesPerson);
    ui->cmbSalesPerson->setCurrentIndex(0);
    StoredFields::showDefaultDate(ui->dateCustomerSince, QDate::currentDate());
    ui->lblContactCityCountry->setText(tr("City, Province, Country:"));
    ui->lblContactName->setText(tr("Name:"));
    ui->lblContactPhone->setText(tr("Phone:"));
    ui->lblContactStreet->setText(tr("Street:"));
    ui->txtCustomerName->clear();
    ui->txtDiscount->setValue(0);
    ui->txtNotes->clear();
    clearShipToFields();
    customerId = 0;
    ui->dateLastSales->hide();
    ui->label_2->hide();
    fillPersons();
    allowSave(true);
}

void frmCustomers::on_cmbPersons_activated(int index)
{
    if (index != 0) {
        showContactPerson();
        return;
    }
    // The refill would drop the ship-to choice, which the user has not changed.
    addNewComboItem<frmPersons>(ui->cmbPersons, [this] { fillPersons(); }, {ui->cmbShipTo});
}

void frmCustomers::on_cmbShipTo_activated(int index)
{
    if (index == shipToContactPerson) {
        showPersonCard(ui->cmbPersons->currentData().toInt());
    } else if (index == shipToAddNew) {
        // The refill would drop the contact person, and a save would then store none.
        const QVariant contactId = ui->cmbPersons->currentData();
        frmPersons editor(nullptr, 0);
        ScreenFit::exec(editor);
        fillPersons();
        if (contactId.isValid())
            ui->cmbPersons->setCurrentIndex(ui->cmbPersons->findData(contactId));
        showPersonCard(contactId.toInt());
    } else {
        showPersonCard(ui->cmbShipTo->currentData().toInt());
    }
}

void frmCustomers::on_cmbSalesPerson_activated(int index)
{
    if (index != salesPersonAddNew)
        return;
    frmEmployees editor(nullptr, 0);
    ScreenFit::exec(editor);
    fillSalesPersons();
}
