#include "partners/frmVendors.h"
#include "ui_frmVendors.h"

#include "accounting/frmAccounts.h"
#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "partners/frmPersons.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const int revenueType = 4;
const int expensesType = 5;
}

frmVendors::frmVendors(QWidget *parent, int vendorId)
    : QDialog(parent), ui(new Ui::frmVendors), vendorId(0),
      stored(QStringLiteral("vendors"), QStringLiteral("VendorId"), tr("this vendor"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft) {
        setLayoutDirection(Qt::RightToLeft);
        // The entries are account numbers with English names: read left to right, an
        // entry keeps its number in front instead of having it moved behind the name.
        ui->cmbRevenuAcc->setLayoutDirection(Qt::LeftToRight);
        ui->cmbExpensesAcc->setLayoutDirection(Qt::LeftToRight);
    }
    // A server that is gone fails every list and the vendor alike: one box.
    const FailedReads::Action opening;
    ui->dateVendorSince->setDisplayFormat(dateFormat);
    ui->dateLastPurchase->setDisplayFormat(dateFormat);
    ui->dateVendorSince->setDate(QDate::currentDate());
    ui->dateLastPurchase->hide();
    ui->lblLastPurchaseDate->hide();
    fillPersons();
    fillRevenueAccounts();
    fillExpensesAccounts();
    TextColumns::limit(QStringLiteral("vendors"), {{ui->txtVendorName, QStringLiteral("VendorName"), ui->label_14},
                                                   {ui->txtNotes, QStringLiteral("Notes"), ui->label_13}});
    // The card shows a person's name as it was typed, even one that looks like markup.
    for (QLabel *label : {ui->lblContactName, ui->lblContactStreet, ui->lblContactCityCountry, ui->lblContactPhone})
        label->setTextFormat(Qt::PlainText);
    this->vendorId = vendorId;
    if (vendorId != 0)
        loadVendor();
}

frmVendors::~frmVendors()
{
    delete ui;
}

void frmVendors::fillPersons()
{
    fillCombo(ui->cmbPersons, {tr("<Add New>")}, QStringLiteral("select PersonId, personName from persons"));
}

void frmVendors::fillRevenueAccounts()
{
    fillLeafAccounts(ui->cmbRevenuAcc, revenueType);
    setListingRule(ui->cmbRevenuAcc, tr("Only revenue accounts without sub-accounts are listed."));
}

void frmVendors::fillExpensesAccounts()
{
    fillLeafAccounts(ui->cmbExpensesAcc, expensesType);
    setListingRule(ui->cmbExpensesAcc, tr("Only expense accounts without sub-accounts are listed."));
}

// Only accounts that no other account names as its parent: a vendor's amounts are
// booked on a leaf of the chart.
void frmVendors::fillLeafAccounts(QComboBox *combo, int typeId)
{
    fillCombo(combo, {tr("<Add New>")},
              QStringLiteral("Select AccountId, Concat(AccountNo, ': ', Description) as Account "
                             "from accounts where TypeId = :typeId and AccountId not IN "
                             "(select ParentAccountId from accounts where parentAccountId is not null)"),
              {{QStringLiteral(":typeId"), typeId}});
    showEntriesWhole(combo);
}

void frmVendors::loadVendor()
{
    stored.remember(vendorId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from vendors where VendorId = :id"));
    query.bindValue(QStringLiteral(":id"), vendorId);
    const bool found = FailedReads::execNoted(this, query) && query.next();
    // A form that shows no stored vendor must not be saved over it.
    allowSave(found);
    const auto value = [&](const char *column) {
        return found ? query.value(QLatin1String(column)) : QVariant();
    };

    ui->txtVendorName->setText(value("VendorName").toString());
    selectComboItemById(ui->cmbPersons, value("ContactPersonId"));
    if (found)
        StoredFields::showDate(ui->dateVendorSince, value("VendorSince"));
    StoredFields::showCheck(ui->chkActive, value("IsActive"));
    // An account that is no longer a leaf of its type is shown as stored, and kept unless
    // another is chosen.
    selectStoredItem(ui->cmbExpensesAcc, value("ExpensesAccountId"), accountEntryOfIdSql());
    selectStoredItem(ui->cmbRevenuAcc, value("RevenuAccountId"), accountEntryOfIdSql());
    ui->txtNotes->setPlainText(value("Notes").toString());
    showContactPerson();
    showLastPurchase();
}

void frmVendors::showContactPerson()
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
}

void frmVendors::showLastPurchase()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("select max(Date) from purchaseinvoice where VendorId = :VendorId"));
    query.bindValue(QStringLiteral(":VendorId"), vendorId);
    // Without a dated invoice the maximum is NULL, and there is no date to show; nor is
    // there after a failed read, which is told.
    if (!FailedReads::execOrTell(query, this) || !query.next() || query.value(0).toString().isEmpty())
        return;
    ui->dateLastPurchase->setDate(query.value(0).toDate());
    ui->dateLastPurchase->show();
    ui->lblLastPurchaseDate->show();
}

void frmVendors::allowSave(bool allowed)
{
    ui->btnSave->setEnabled(allowed);
    ui->btnSaveAndClose->setEnabled(allowed);
}

bool frmVendors::validateVendor()
{
    // The vendors list shows a vendor by its name alone.
    if (ui->txtVendorName->text().trimmed().isEmpty()) {
        Messages::critical(this, msgCaption, tr("Type the vendor's name."));
        ui->txtVendorName->setFocus();
        return false;
    }
    return TextColumns::storable(this);
}

bool frmVendors::saveVendor()
{
    if (!FailedReads::readWhole(this) || !validateVendor())
        return false;
    cDbSave save;
    QSqlQuery query = save.prepare(
        vendorId != 0
            ? QStringLiteral(
                  "UPDATE `vendors` SET `VendorName` = :VendorName, `ContactPersonId` = :ContactPersonId, "
                  "`VendorSince` = :VendorSince, `IsActive` = :IsActive, `ExpensesAccountId` = :ExpensesAccountId, "
                  "`RevenuAccountId` = :RevenuAccountId, `Notes` = :Notes  Where VendorId = :id")
            : QStringLiteral(
                  "INSERT INTO `vendors` (`VendorName`, `ContactPersonId`, `VendorSince`, `IsActive`, "
                  "`ExpensesAccountId`, `RevenuAccountId`, `Notes`) VALUES (:VendorName, :ContactPersonId, "
                  ":VendorSince, :IsActive, :ExpensesAccountId, :RevenuAccountId, :Notes);"));
    if (vendorId != 0)
        query.bindValue(QStringLiteral(":id"), vendorId);
    query.bindValue(QStringLiteral(":VendorName"), textNotNull(ui->txtVendorName->text()));
    query.bindValue(QStringLiteral(":ContactPersonId"), comboItemId(ui->cmbPersons));
    query.bindValue(QStringLiteral(":VendorSince"), StoredFields::dateOrNull(ui->dateVendorSince));
    query.bindValue(QStringLiteral(":IsActive"), StoredFields::checkOrNull(ui->chkActive));
    query.bindValue(QStringLiteral(":ExpensesAccountId"), comboItemId(ui->cmbExpensesAcc));
    query.bindValue(QStringLiteral(":RevenuAccountId"), comboItemId(ui->cmbRevenuAcc));
    query.bindValue(QStringLiteral(":Notes"), textOrNullIfBlank(ui->txtNotes->toPlainText()));
    save.execRecord(query, stored, vendorId);
    added.read(save, vendorId);
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmVendors::on_btnSave_clicked()
{
    saveVendor();
}

void frmVendors::on_btnSaveAndClose_clicked()
{
    if (saveVendor())
        close();
}

void frmVendors::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    vendorId = 0;
    ui->txtVendorName->clear();
    ui->txtNotes->clear();
    StoredFields::showDefaultDate(ui->dateVendorSince, QDate::currentDate());
    StoredFields::showDefaultCheck(ui->chkActive, true);
    // A new vendor gets no account that the lists do not offer.
    for (QComboBox *account : {ui->cmbRevenuAcc, ui->cmbExpensesAcc}) {
        if (showsStoredItemNotOffered(account))
            account->setCurrentIndex(0);
        removeEntriesNotOffered(account);
    }
    ui->dateLastPurchase->hide();
    ui->lblLastPurchaseDate->hide();
    allowSave(true);
}

void frmVendors::on_cmbPersons_activated(int index)
{
    if (index != 0) {
        showContactPerson();
        return;
    }
    addNewComboItem<frmPersons>(ui->cmbPersons, [this] { fillPersons(); });
}

void frmVendors::on_cmbRevenuAcc_activated(int index)
{
    if (index != 0)
        return;
    addNewComboItem<frmAccounts>(ui->cmbRevenuAcc, [this] { fillRevenueAccounts(); });
}

void frmVendors::on_cmbExpensesAcc_activated(int index)
{
    if (index != 0)
        return;
    addNewComboItem<frmAccounts>(ui->cmbExpensesAcc, [this] { fillExpensesAccounts(); });
}
