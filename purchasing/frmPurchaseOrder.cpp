#include "purchasing/frmPurchaseOrder.h"
#include "ui_frmPurchaseOrder.h"

#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/documents/documentlines.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/money.h"
#include "core/widgets/numberfields.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "items/frmItemsView.h"
#include "items/frmWarehouses.h"
#include "partners/frmVendors.h"
#include "purchasing/frmPurchaseOrderView.h"
#include "purchasing/purchasedelegate.h"
#include "purchasing/purchasegrid.h"
#include "purchasing/purchaseheader.h"
#include "purchasing/purchasestorage.h"

#include <QDate>
#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>

frmPurchaseOrder::frmPurchaseOrder(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmPurchaseOrder),
      stored(DocumentLines::storedDocument(PurchaseStorage::order, tr("this purchase order")))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    // A server that is gone fails every read of the opening alike: one box.
    const FailedReads::Action opening;
    setupItemsTable();
    fillVendors();
    fillWarehouses();
    for (QDateEdit *date : {ui->dtDate, ui->dtExpireDate, ui->dtShipDate}) {
        date->setDisplayFormat(dateFormat);
        date->setDate(QDate::currentDate());
    }
    // Freight is stored as DECIMAL(10,2) and may be negative; the sums get room to show
    // whatever the lines add up to.
    NumberFields::setupAmount(ui->txtFreight, 10, true);
    NumberFields::setupAmount(ui->txtSubTotal, 12, true);
    NumberFields::setupAmount(ui->txtTotal, 12, true);
    TextColumns::limit(QStringLiteral("purchaseorder"),
                       {{ui->txtPurchaseOrderNo, QStringLiteral("PurchaseOrderNo"), ui->label_3},
                        {ui->txtComment, QStringLiteral("Comments"), ui->label_7}});
    enterState(true);
    ui->tblItems->verticalHeader()->setDefaultSectionSize(20);
    connect(itemsModel, &QStandardItemModel::itemChanged, this, &frmPurchaseOrder::itemChanges);
}

frmPurchaseOrder::~frmPurchaseOrder()
{
    delete ui;
    delete itemsDelegate;
}

// An order keeps no date per line, and a new line is priced as the item was last ordered.
void frmPurchaseOrder::setupItemsTable()
{
    itemsDelegate = new PurchaseDelegate;
    itemsModel = new QStandardItemModel(1, PurchaseLine::ColumnCount, this);
    lines = new cPurchaseGrid(ui->tblItems, itemsModel, itemsDelegate, tr("Expire Date"), false, this);
    lines->pricesFrom(PurchaseStorage::order);
}

void frmPurchaseOrder::fillVendors()
{
    PurchaseHeader::fillVendors(ui->cmbVendor, tr("<Add New>"));
}

void frmPurchaseOrder::fillWarehouses()
{
    PurchaseHeader::fillWarehouses(ui->cmbWarehouses, tr("<Add New>"));
}

void frmPurchaseOrder::showShipTo()
{
    PurchaseHeader::showShipTo(this, ui->cmbWarehouses, ui->txtShipTo);
}

void frmPurchaseOrder::on_cmbVendor_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmVendors>(ui->cmbVendor, [this] { fillVendors(); });
}

void frmPurchaseOrder::on_cmbWarehouses_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmWarehouses>(ui->cmbWarehouses, [this] { fillWarehouses(); });
    showShipTo();
}

// The freight stays for the next order, and so do the dates of a new one.
void frmPurchaseOrder::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    DocumentLines::datesForNew({ui->dtDate, ui->dtShipDate, ui->dtExpireDate}, !isAdding());
    ui->cmbVendor->setCurrentIndex(0);
    ui->cmbWarehouses->setCurrentIndex(0);
    ui->txtComment->clear();
    ui->txtPurchaseOrderNo->clear();
    ui->txtShipTo->clear();
    lines->clear();
    recalculate();
    enterState(true);
}

void frmPurchaseOrder::on_btnSearch_clicked()
{
    frmPurchaseOrderView list(nullptr);
    ScreenFit::exec(list);
    // The hand-off is read once, right away: any later list resets it.
    if (pickedPurchaseOrderId >= 1)
        loadOrder(pickedPurchaseOrderId);
}

// An id that names no order (deleted meanwhile) changes nothing: a later Save must not
// write under it. The totals show as stored until the lines are recalculated.
void frmPurchaseOrder::loadOrder(int id)
{
    // Read first: a change another user makes while the window reads can only refuse
    // the save, never slip under it.
    stored.remember(id);
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("select PurchaseOrderNo, VendorId, Date, ShipDate, Subtotal, Freight, Total, Comments, "
                                 "ExpireDate, ShipToWarehouseId from purchaseorder where PurchaseOrderId = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    loadedId = id;
    ui->txtPurchaseOrderNo->setText(query.value(0).toString());
    DocumentLines::showHeader(query, headerFields());
    StoredFields::showDate(ui->dtExpireDate, query.value(8));
    selectComboItemById(ui->cmbWarehouses, query.value(9));
    showShipTo();
    // A header shown without its lines is not saved over the document.
    FailedReads::noteRead(this, PurchaseStorage::loadLines(lines, PurchaseStorage::order, id));
    enterState(false);
}

void frmPurchaseOrder::on_btnSave_clicked()
{
    recalculate();
    if (isValid() && saveOrder())
        on_btnNew_clicked();
}

bool frmPurchaseOrder::isValid()
{
    return DocumentLines::hasChoicesAndLines(
               this, {{ui->cmbVendor, tr("Select Vendor")},
                      {ui->cmbWarehouses, tr("Select Warehouse")}},
               lines->lineCount()) &&
           lines->checkLines(this) && DocumentLines::headerAmountsFit(this, headerFields()) &&
           TextColumns::storable(this);
}

// The header and its lines stand or fall together. After a failure nothing is kept and
// the order stays as typed, in its state, to be mended and saved again.
bool frmPurchaseOrder::saveOrder()
{
    cDbSave save;
    const int id = DocumentLines::writeHeader(
        save, isAdding() ? 0 : loadedId, stored,
        {{QStringLiteral("vendors"), QStringLiteral("VendorId"), {comboItemId(ui->cmbVendor)}, tr("the chosen vendor")},
         {QStringLiteral("warehouses"), QStringLiteral("WarehouseId"), {comboItemId(ui->cmbWarehouses)},
          tr("the chosen warehouse")},
         DocumentLines::chosenItems(lines, PurchaseLine::ItemId)},
        QStringLiteral("INSERT INTO `purchaseorder` (`PurchaseOrderNo`, `EmployeeId`, `VendorId`, `Date`, `ShipDate`, "
                       "`ShipToWarehouseID`, `ExpireDate`, `Subtotal`, `Freight`, `Total`, `Comments`) VALUES "
                       "(:PurchaseOrderNo, :EmployeeId, :VendorId, :Date, :ShipDate, :ShipToWarehouseID, :ExpireDate, "
                       ":Subtotal, :Freight, :Total, :Comments)"),
        QStringLiteral("Update `purchaseorder` Set `PurchaseOrderNo` = :PurchaseOrderNo, `EmployeeId` = :EmployeeId, "
                       "`VendorId` = :VendorId, `Date` = :Date, `ShipDate` = :ShipDate, "
                       "`ShipToWarehouseID` = :ShipToWarehouseID, `ExpireDate` = :ExpireDate, `Subtotal` = :Subtotal, "
                       "`Freight` = :Freight, `Total` = :Total, `Comments` = :Comments Where PurchaseOrderId = :id"),
        [this](QSqlQuery &header) { bindHeader(header); });
    PurchaseStorage::writeLines(save, lines, PurchaseStorage::order, id, Money::fromDouble(ui->txtSubTotal->value()));
    return DocumentLines::commitOrTell(save, this);
}

void frmPurchaseOrder::bindHeader(QSqlQuery &header) const
{
    DocumentLines::bindHeader(header, headerFields(), QStringLiteral(":VendorId"));
    header.bindValue(QStringLiteral(":PurchaseOrderNo"), textOrNull(ui->txtPurchaseOrderNo->text()));
    header.bindValue(QStringLiteral(":ShipToWarehouseID"), comboItemId(ui->cmbWarehouses));
    header.bindValue(QStringLiteral(":ExpireDate"), StoredFields::dateOrNull(ui->dtExpireDate));
}

DocumentLines::HeaderFields frmPurchaseOrder::headerFields() const
{
    return {ui->cmbVendor, ui->dtDate, ui->dtShipDate, ui->txtSubTotal, ui->txtFreight, ui->txtTotal, ui->txtComment};
}

void frmPurchaseOrder::on_btnRemoveItem_clicked()
{
    if (lines->removeCurrentLine(this))
        recalculate();
}

void frmPurchaseOrder::on_txtFreight_valueChanged(double)
{
    const Money total = Money::fromDouble(ui->txtSubTotal->value()) + Money::fromDouble(ui->txtFreight->value());
    NumberFields::showSum(ui->txtTotal, total.toDouble());
}

void frmPurchaseOrder::on_tblItems_clicked(const QModelIndex &)
{
    recalculate();
}

void frmPurchaseOrder::on_tblItems_doubleClicked(const QModelIndex &index)
{
    if (index.column() == PurchaseLine::ItemNo || index.column() == PurchaseLine::ItemName)
        on_btnAddItem_clicked();
}

void frmPurchaseOrder::on_btnAddItem_clicked()
{
    frmItemsView picker(nullptr);
    picker.pickerMode = true;
    if (ScreenFit::exec(picker) != QDialog::Accepted)
        return;
    if (lines->addItem(pickedItemId))
        recalculate();
}

void frmPurchaseOrder::itemChanges(QStandardItem *item)
{
    if (lines->isLineChange(item))
        recalculate();
}

void frmPurchaseOrder::recalculate()
{
    const Money subtotal = lines->recalculate();
    NumberFields::showSum(ui->txtSubTotal, subtotal.toDouble());
    on_txtFreight_valueChanged(ui->txtFreight->value());
}

void frmPurchaseOrder::enterState(bool adding)
{
    ui->lblStateAdd->setVisible(adding);
    ui->lblStateEdit->setVisible(!adding);
}

bool frmPurchaseOrder::isAdding() const
{
    return !ui->lblStateAdd->isHidden();
}
