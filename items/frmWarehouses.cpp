#include "items/frmWarehouses.h"
#include "ui_frmWarehouses.h"

#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/textcolumns.h"

#include <QSqlQuery>

frmWarehouses::frmWarehouses(QWidget *parent, int warehouseId)
    : QDialog(parent), ui(new Ui::frmWarehouses), warehouseId(warehouseId),
      stored(QStringLiteral("warehouses"), QStringLiteral("WarehouseId"), tr("this warehouse"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    TextColumns::limit(QStringLiteral("warehouses"), {{ui->txtName, QStringLiteral("WarehouseName"), ui->label},
                                                      {ui->txtStreet1, QStringLiteral("Address1"), ui->label_2},
                                                      {ui->txtStreet2, QStringLiteral("Address2"), ui->label_3},
                                                      {ui->txtCity, QStringLiteral("City"), ui->label_4},
                                                      {ui->txtProvince, QStringLiteral("State"), ui->label_5},
                                                      {ui->txtCountry, QStringLiteral("Country"), ui->label_7},
                                                      {ui->txtPhone, QStringLiteral("Phone"), ui->label_8},
                                                      {ui->txtFax, QStringLiteral("Fax"), ui->label_10}});
    if (warehouseId > 0)
        loadWarehouse();
}

frmWarehouses::~frmWarehouses()
{
    delete ui;
}

void frmWarehouses::loadWarehouse()
{
    stored.remember(warehouseId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from warehouses where WarehouseId = :WarehouseId"));
    query.bindValue(QStringLiteral(":WarehouseId"), warehouseId);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    ui->txtName->setText(query.value(1).toString());
    ui->txtStreet1->setText(query.value(2).toString());
    ui->txtStreet2->setText(query.value(3).toString());
    ui->txtCity->setText(query.value(4).toString());
    ui->txtProvince->setText(query.value(5).toString());
    ui->txtCountry->setText(query.value(6).toString());
    ui->txtPhone->setText(query.value(7).toString());
    ui->txtFax->setText(query.value(8).toString());
    ui->chkActive->setChecked(bitValue(query.value(9)));
}

// The name is stored as typed, an empty one as an empty text; the address and contact
// fields store NULL when they hold nothing but blanks.
bool frmWarehouses::saveWarehouse()
{
    if (!FailedReads::readWhole(this) || !TextColumns::storable(this))
        return false;
    cDbSave save;
    QSqlQuery query;
    if (warehouseId != 0) {
        query = save.prepare(QStringLiteral(
            "UPDATE warehouses SET WarehouseName = :WarehouseName , Address1 = :Address1, Address2 = :Address2, "
            "City = :City, State = :State, Country = :Country, Phone = :Phone, Fax = :Fax, IsActive = :IsActive "
            "WHERE WarehouseId = :WarehouseId"));
        query.bindValue(QStringLiteral(":WarehouseId"), warehouseId);
    } else {
        query = save.prepare(QStringLiteral(
            "INSERT INTO warehouses (WarehouseName, Address1, Address2, City, State, Country, Phone, Fax, IsActive) "
            "VALUES (:WarehouseName, :Address1, :Address2, :City, :State, :Country, :Phone, :Fax, :IsActive);"));
    }
    query.bindValue(QStringLiteral(":WarehouseName"), textNotNull(ui->txtName->text()));
    query.bindValue(QStringLiteral(":Address1"), textOrNullIfBlank(ui->txtStreet1->text()));
    query.bindValue(QStringLiteral(":Address2"), textOrNullIfBlank(ui->txtStreet2->text()));
    query.bindValue(QStringLiteral(":City"), textOrNullIfBlank(ui->txtCity->text()));
    query.bindValue(QStringLiteral(":State"), textOrNullIfBlank(ui->txtProvince->text()));
    query.bindValue(QStringLiteral(":Country"), textOrNullIfBlank(ui->txtCountry->text()));
    query.bindValue(QStringLiteral(":Phone"), textOrNullIfBlank(ui->txtPhone->text()));
    query.bindValue(QStringLiteral(":Fax"), textOrNullIfBlank(ui->txtFax->text()));
    query.bindValue(QStringLiteral(":IsActive"), ui->chkActive->isChecked() ? 1 : 0);
    save.execRecord(query, stored, warehouseId);
    added.read(save, warehouseId);
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmWarehouses::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    ui->chkActive->setChecked(true);
    ui->txtCity->clear();
    ui->txtCountry->clear();
    ui->txtFax->clear();
    ui->txtName->clear();
    ui->txtPhone->clear();
    ui->txtProvince->clear();
    ui->txtStreet1->clear();
    ui->txtStreet2->clear();
    warehouseId = 0;
}

void frmWarehouses::on_btnSave_clicked()
{
    saveWarehouse();
}

void frmWarehouses::on_btnSaveAndClose_clicked()
{
    if (saveWarehouse())
        close();
}
