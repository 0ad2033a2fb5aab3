#include "partners/frmVendors.h"
#include "ui_frmVendors.h"

#include "accounting/frmAccounts.h"
#include "core/combofill.h"
#include "core/comboboxes.h"
#include "core/direction.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/sqlvalues.h"
#include "partners/frmPersons.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const int revenueType = 4;
const int expensesType = 5;
}

frmVendors::frmVendors(QWidget *parent, int vendorId) : QDialog(parent), ui(new Ui::frmVendors), vendorId(0)
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
    ui->dateVendorSince->setDisplayFormat(dateFormat);
    ui->dateLastPurchase->setDisplayFormat(dateFormat);
    ui->dateVendorSince->setDate(QDate::currentDate());
    ui->dateLastPurchase->hide();
    ui->lblLastPurchaseDate->hide();
    fillPersons();
    fillRevenueAccounts();
    fillExpensesAccounts();
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
    fillComboFromQuery(ui->cmbPersons, {tr("<Add New>")}, QStringLiteral("select PersonId, personName from persons"));
}

void frmVendors::fillRevenueAccounts()
{
    fillLeafAccounts(ui->cmbRevenuAcc, revenueType);
}

void frmVendors::fillExpensesAccounts()
{
    fillLeafAccounts(ui->cmbExpensesAcc, expensesType);
}

// Only accounts that no other account names as its parent: a vendor's amounts are
// booked on a leaf of the chart.
void frmVendors::fillLeafAccounts(QComboBox *combo, int typeId)
{
    fillComboFromQuery(combo, {tr("<Add New>")},
                       QStringLiteral("Select AccountId, Concat(AccountNo, ': ', Description) as Account "
                                      "from accounts where TypeId = %1 and AccountId not IN "
                                      "(select ParentAccountId from accounts where parentAccountId is not null)")
                           .arg(typeId));
    showEntriesWhole(combo);
}

void frmVendors::loadVendor()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from vendors where VendorId = :id"));
    query.bindValue(QStringLiteral(":id"), vendorId);
    if (!query.exec())
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
    const bool found = query.isActive() && query.next();
    // A form that shows no stored vendor must not be saved over it.
    allowSave(found);
    const auto value = [&](const char *column) {
        return found ? query.value(QLatin1String(column)) : QVariant();
    };

    ui->txtVendorName->setText(value("VendorName").toString());
    selectComboItemById(ui->cmbPersons, value("ContactPersonId"));
    if (found)
        ui->dateVendorSince->setDate(value("VendorSince").toDate());
    ui->chkActive->setChecked(bitValue(value("IsActive")));
    selectComboItemById(ui->cmbExpensesAcc, value("ExpensesAccountId"));
    if (ui->cmbExpensesAcc->currentIndex() < 0 && !value("ExpensesAccountId").isNull())
        hiddenExpensesAccountId = value("ExpensesAccountId");
    selectComboItemById(ui->cmbRevenuAcc, value("RevenuAccountId"));
    if (ui->cmbRevenuAcc->currentIndex() < 0 && !value("RevenuAccountId").isNull())
        hiddenRevenuAccountId = value("RevenuAccountId");
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
    const bool found = query.exec() && query.next();
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
    // Without a dated invoice the maximum is NULL, and there is no date to show.
    if (!query.exec() || !query.next() || query.value(0).toString().isEmpty())
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

QVariant frmVendors::chosenAccountId(const QComboBox *combo, const QVariant &hiddenId) const
{
    if (combo->currentIndex() < 0 && hiddenId.isValid())
        return hiddenId;
    return comboItemId(combo);
}

bool frmVendors::saveVendor()
{
    QSqlQuery query(QSqlDatabase::database());
    if (vendorId != 0) {
        query.prepare(QStringLiteral(
            "UPDATE `vendors` SET `VendorName` = :VendorName, `ContactPersonId` = :ContactPersonId, "
            "`VendorSince` = :VendorSince, `IsActive` = :IsActive, `ExpensesAccountId` = :ExpensesAccountId, "
            "`RevenuAccountId` = :RevenuAccountId, `Notes` = :Notes  Where VendorId = :id"));
        query.bindValue(QStringLiteral(":id"), vendorId);
    } else {
        query.prepare(QStringLiteral(
            "INSERT INTO `vendors` (`VendorName`, `ContactPersonId`, `VendorSince`, `IsActive`, "
            "`ExpensesAccountId`, `RevenuAccountId`, `Notes`) VALUES (:VendorName, :ContactPersonId, "
            ":VendorSince, :IsActive, :ExpensesAccountId, :RevenuAccountId, :Notes);"));
    }
    query.bindValue(QStringLiteral(":VendorName"), textNotNull(ui->txtVendorName->text()));
    query.bindValue(QStringLiteral(":ContactPersonId"), comboItemId(ui->cmbPersons));
    query.bindValue(QStringLiteral(":VendorSince"), ui->dateVendorSince->date());
    query.bindValue(QStringLiteral(":IsActive"), ui->chkActive->isChecked() ? 1 : 0);
    query.bindValue(QStringLiteral(":ExpensesAccountId"), chosenAccountId(ui->cmbExpensesAcc, hiddenExpensesAccountId));
    query.bindValue(QStringLiteral(":RevenuAccountId"), chosenAccountId(ui->cmbRevenuAcc, hiddenRevenuAccountId));
    const QString notes = ui->txtNotes->toPlainText();
    query.bindValue(QStringLiteral(":Notes"), notes.trimmed().isEmpty() ? QVariant(QVariant::String) : QVariant(notes));
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgInsertFailed + query.lastError().text());
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
    vendorId = 0;
    ui->txtVendorName->clear();
    ui->txtNotes->clear();
    // A new vendor gets no account the form does not show.
    hiddenRevenuAccountId = QVariant();
    hiddenExpensesAccountId = QVariant();
    allowSave(true);
}

void frmVendors::on_cmbPersons_activated(int index)
{
    if (index != 0) {
        showContactPerson();
        return;
    }
    frmPersons editor(nullptr, 0);
    editor.exec();
    fillPersons();
    selectNewestComboItem(ui->cmbPersons);
}

void frmVendors::on_cmbRevenuAcc_activated(int index)
{
    if (index != 0)
        return;
    frmAccounts editor(nullptr, 0);
    editor.exec();
    fillRevenueAccounts();
    selectNewestComboItem(ui->cmbRevenuAcc);
}

void frmVendors::on_cmbExpensesAcc_activated(int index)
{
    if (index != 0)
        return;
    frmAccounts editor(nullptr, 0);
    editor.exec();
    fillExpensesAccounts();
    selectNewestComboItem(ui->cmbExpensesAcc);
}
