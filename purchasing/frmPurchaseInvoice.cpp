#include "purchasing/frmPurchaseInvoice.h"
#include "ui_frmPurchaseInvoice.h"

#include "core/system/cXml.h"
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
#include "core/widgets/textcolumns.h"
#include "items/frmItemsView.h"
#include "items/frmWarehouses.h"
#include "partners/frmVendors.h"
#include "purchasing/frmPurchaseInvoiceView.h"
#include "purchasing/purchasedelegate.h"
#include "purchasing/purchasegrid.h"
#include "purchasing/purchaseheader.h"
#include "purchasing/purchasestorage.h"
#include "trading/refundstorage.h"

#include <QDate>
#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>

namespace {
const QString warehouseElement = QStringLiteral("DefaultPurchaseWarehouse");
const QString vendorElement = QStringLiteral("DefaultPurchaseVendor");
}

frmPurchaseInvoice::frmPurchaseInvoice(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmPurchaseInvoice),
      stored(DocumentLines::storedDocument(PurchaseStorage::invoice, tr("this purchase invoice"), {{QStringLiteral("purchasepayments"), QStringLiteral("PurchaseInvoiceId"), QStringLiteral("PurchasingPaymentID")}}))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    for (QDateEdit *date : {ui->dtDate, ui->dtShipDate}) {
        date->setDisplayFormat(dateFormat);
        date->setDate(QDate::currentDate());
    }
    // Freight is stored as DECIMAL(10,2) and may be negative; a deposit is money paid
    // and never is. The sums get room to show whatever the lines add up to.
    NumberFields::setupAmount(ui->txtFreight, 10, true);
    NumberFields::setupAmount(ui->txtDeposit, 10, false);
    NumberFields::setupAmount(ui->txtSubTotal, 12, true);
    NumberFields::setupAmount(ui->txtTotal, 12, true);
    NumberFields::setupAmount(ui->txtDebt, 12, true);
    TextColumns::limit(QStringLiteral("purchaseinvoice"),
                       {{ui->txtPurchaseInvoiceNo, QStringLiteral("PurchaseInvoiceNo"), ui->label_3},
                        {ui->txtComment, QStringLiteral("Comments"), ui->label_7}});
    // A server that is gone fails every read of the opening alike: one box.
    const FailedReads::Action opening;
    setupItemsTable();
    fillVendors();
    fillWarehouses();
    enterState(true);
    ui->tblItems->verticalHeader()->setDefaultSectionSize(20);
    loadDefaults();
    ui->btnBarcodeGo->setDefault(true);
    connect(itemsModel, &QStandardItemModel::itemChanged, this, &frmPurchaseInvoice::itemChanged);
}

// The next invoice window starts with this one's warehouse and vendor.
frmPurchaseInvoice::~frmPurchaseInvoice()
{
    cXml settings(cXml::programSettingsPath());
    settings.load();
    DocumentLines::rememberChoice(settings, warehouseElement, ui->cmbWarehouses);
    DocumentLines::rememberChoice(settings, vendorElement, ui->cmbVendor);
    delete ui;
    delete itemsDelegate;
}

void frmPurchaseInvoice::setupItemsTable()
{
    itemsDelegate = new PurchaseDelegate;
    itemsModel = new QStandardItemModel(1, PurchaseLine::ColumnCount, this);
    lines = new cPurchaseGrid(ui->tblItems, itemsModel, itemsDelegate, tr("Production Date"), true, this);
}

void frmPurchaseInvoice::fillVendors()
{
    PurchaseHeader::fillVendors(ui->cmbVendor, tr("<Add New>"));
}

void frmPurchaseInvoice::fillWarehouses()
{
    PurchaseHeader::fillWarehouses(ui->cmbWarehouses, tr("<Add New>"));
}

// A remembered warehouse or vendor that is gone or inactive chooses no entry: never
// "<Add New>", whose editor must not open while the window is being built.
void frmPurchaseInvoice::loadDefaults()
{
    cXml settings(cXml::programSettingsPath());
    settings.load();
    if (DocumentLines::recallChoice(settings, warehouseElement, ui->cmbWarehouses))
        showShipTo();
    DocumentLines::recallChoice(settings, vendorElement, ui->cmbVendor);
}

void frmPurchaseInvoice::showShipTo()
{
    PurchaseHeader::showShipTo(this, ui->cmbWarehouses, ui->txtShipTo);
}

void frmPurchaseInvoice::on_cmbVendor_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmVendors>(ui->cmbVendor, [this] { fillVendors(); });
}

void frmPurchaseInvoice::on_cmbWarehouses_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmWarehouses>(ui->cmbWarehouses, [this] { fillWarehouses(); });
    showShipTo();
}

// Vendor, warehouse, payment method and freight stay for the next invoice, and so do the
// dates of a new one.
void frmPurchaseInvoice::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    DocumentLines::datesForNew({ui->dtDate, ui->dtShipDate}, !isAdding());
    ui->txtPurchaseInvoiceNo->clear();
    ui->txtComment->clear();
    ui->txtPurchaseOrderNo->clear();
    ui->txtShipTo->clear();
    ui->txtDeposit->setValue(0);
    lines->clear();
    recalculate();
    enterState(true);
    purchaseOrderId = -1;
}

void frmPurchaseInvoice::on_btnSearch_clicked()
{
    frmPurchaseInvoiceView list(nullptr);
    ScreenFit::exec(list);
    // The hand-off is read once, right away: any later list resets it.
    if (pickedPurchaseInvoiceId >= 1)
        loadInvoice(pickedPurchaseInvoiceId);
}

// An id that names no invoice (deleted meanwhile) changes nothing: a later Save must not
// write under it. The order the invoice was made from replaces what an earlier order
// search left.
void frmPurchaseInvoice::loadInvoice(int id)
{
    // Read first: a change another user makes while the window reads can only refuse
    // the save, never slip under it.
    stored.remember(id);
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral(
        "Select PurchaseInvoiceNo, purchaseinvoice.VendorId, purchaseinvoice.Date, purchaseinvoice.ShipDate, "
        "purchaseinvoice.Subtotal, purchaseinvoice.Freight, purchaseinvoice.Total, purchaseinvoice.Comments, "
        "PaymentMethod, purchaseinvoice.ShipToWarehouseId, DepositPaid, purchaseinvoice.PurchaseOrderId, "
        "PurchaseOrderNo from purchaseinvoice left join purchaseorder "
        "on purchaseinvoice.PurchaseOrderId = purchaseorder.PurchaseOrderId where PurchaseInvoiceId = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    loadedId = id;
    purchaseOrderId = query.value(11).isNull() ? -1 : query.value(11).toInt();
    ui->txtPurchaseOrderNo->setText(query.value(12).toString());
    ui->txtPurchaseInvoiceNo->setText(query.value(0).toString());
    DocumentLines::showHeader(query, headerFields());
    selectStoredIndex(ui->cmbPaymentMethod, query.value(8).toInt());
    selectComboItemById(ui->cmbWarehouses, query.value(9));
    NumberFields::showStored(ui->txtDeposit, Money::fromDecimal(query.value(10)).toDouble(), ui->label_15);
    showShipTo();
    // A header shown without its lines is not saved over the document.
    FailedReads::noteRead(this, PurchaseStorage::loadLines(lines, PurchaseStorage::invoice, id));
    enterState(false);
    recalculate();
}

// Fills a new invoice from the stored order with the typed number, also from an order
// that an invoice was made from already. A stored invoice is not filled: the copied
// lines would stand beside the lines it keeps. A number that no order has leaves the
// invoice as typed.
void frmPurchaseInvoice::on_btnSearchOrder_clicked()
{
    if (!isAdding()) {
        Messages::critical(this, msgCaption, tr("A stored invoice cannot be filled from an order. Press New first."));
        return;
    }
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select PurchaseOrderId, VendorId, Date, ShipDate, Subtotal, Freight, Total, Comments "
                                 "from purchaseorder where PurchaseOrderNo = :no order by PurchaseOrderId"));
    query.bindValue(QStringLiteral(":no"), ui->txtPurchaseOrderNo->text());
    if (!DocumentLines::execOrTell(query, this))
        return;
    if (!query.next()) {
        Messages::information(this, msgCaption, tr("No purchase order has this number."));
        return;
    }
    purchaseOrderId = query.value(0).toInt();
    DocumentLines::showSourceHeader(query, headerFields());
    loadOrderLines();
    recalculate();
}

// The order's lines become new lines of the invoice, at the order's prices and without
// a production date. Lines that could not be read refuse the save until New: the invoice
// would be stored without them.
void frmPurchaseInvoice::loadOrderLines()
{
    FailedReads::noteRead(this, PurchaseStorage::loadLines(lines, PurchaseStorage::order, purchaseOrderId, false));
}

void frmPurchaseInvoice::on_btnSave_clicked()
{
    recalculate();
    if (isValid() && saveInvoice())
        on_btnNew_clicked();
}

bool frmPurchaseInvoice::isValid()
{
    return DocumentLines::hasChoicesAndLines(
               this, {{ui->cmbVendor, tr("Select Vendor")},
                      {ui->cmbWarehouses, tr("Select Warehouse")}},
               lines->lineCount()) &&
           lines->checkLines(this) && NumberFields::storable(this) &&
           DocumentLines::headerAmountsFit(this, headerFields(), {DocumentLines::deposit(ui->txtDeposit)}) &&
           TextColumns::storable(this);
}

// The header and its lines stand or fall together. After a failure nothing is kept and
// the invoice stays as typed, in its state, to be mended and saved again.
bool frmPurchaseInvoice::saveInvoice()
{
    cDbSave save;
    // An order may be made into several invoices; the one this invoice names must
    // still be there, and stays until the save ends.
    if (isAdding() && purchaseOrderId != -1)
        save.lockChosen(QStringLiteral("purchaseorder"), QStringLiteral("PurchaseOrderId"), {purchaseOrderId},
                        tr("the purchase order this invoice is made from"));
    // The order the invoice was made from stays as stored.
    const int id = DocumentLines::writeHeader(
        save, isAdding() ? 0 : loadedId, stored,
        {{QStringLiteral("vendors"), QStringLiteral("VendorId"), {comboItemId(ui->cmbVendor)}, tr("the chosen vendor")},
         {QStringLiteral("warehouses"), QStringLiteral("WarehouseId"), {comboItemId(ui->cmbWarehouses)},
          tr("the chosen warehouse")},
         DocumentLines::chosenItems(lines, PurchaseLine::ItemId)},
        QStringLiteral("INSERT INTO `purchaseinvoice` (`PurchaseInvoiceNo`, `PurchaseOrderId`, `EmployeeId`, "
                       "`VendorId`, `Date`, `ShipToWarehouseID`, `ShipDate`, `Subtotal`, `Freight`, `Total`, "
                       "`PaymentMethod`, `DepositPaid`, `Comments`) VALUES (:PurchaseInvoiceNo, :PurchaseOrderId, "
                       ":EmployeeId, :VendorId, :Date, :ShipToWarehouseID, :ShipDate, :Subtotal, :Freight, :Total, "
                       ":PaymentMethod, :DepositPaid, :Comments)"),
        QStringLiteral("Update `purchaseinvoice` Set `PurchaseInvoiceNo` = :PurchaseInvoiceNo, "
                       "`EmployeeId` = :EmployeeId, `VendorId` = :VendorId, `Date` = :Date, `ShipDate` = :ShipDate, "
                       "`Subtotal` = :Subtotal, `Freight` = :Freight, `Total` = :Total, "
                       "`PaymentMethod` = :PaymentMethod, `DepositPaid` = :DepositPaid, `Comments` = :Comments, "
                       "`ShipToWarehouseID` = :ShipToWarehouseID Where PurchaseInvoiceId = :id"),
        [this](QSqlQuery &header) { bindHeader(header); });
    if (!isAdding())
        RefundStorage::keepRefundedLines(
            save, RefundStorage::purchase, id, lines,
            {PurchaseLine::ItemId, PurchaseLine::UomId, PurchaseLine::Quantity, PurchaseLine::ItemName});
    PurchaseStorage::writeLines(save, lines, PurchaseStorage::invoice, id,
                                Money::fromDouble(ui->txtSubTotal->value()));
    return DocumentLines::commitOrTell(save, this);
}

void frmPurchaseInvoice::bindHeader(QSqlQuery &header) const
{
    DocumentLines::bindHeader(header, headerFields(), QStringLiteral(":VendorId"));
    header.bindValue(QStringLiteral(":PurchaseInvoiceNo"), textOrNull(ui->txtPurchaseInvoiceNo->text()));
    header.bindValue(QStringLiteral(":PurchaseOrderId"), idOrNull(purchaseOrderId));
    header.bindValue(QStringLiteral(":ShipToWarehouseID"), comboItemId(ui->cmbWarehouses));
    header.bindValue(QStringLiteral(":PaymentMethod"), ui->cmbPaymentMethod->currentIndex());
    header.bindValue(QStringLiteral(":DepositPaid"), Money::fromDouble(ui->txtDeposit->value()).toDecimal());
}

DocumentLines::HeaderFields frmPurchaseInvoice::headerFields() const
{
    return {ui->cmbVendor, ui->dtDate, ui->dtShipDate, ui->txtSubTotal, ui->txtFreight, ui->txtTotal, ui->txtComment};
}

void frmPurchaseInvoice::on_btnRemoveItem_clicked()
{
    if (lines->removeCurrentLine(this))
        recalculate();
}

void frmPurchaseInvoice::on_txtFreight_valueChanged(double)
{
    const Money total = Money::fromDouble(ui->txtSubTotal->value()) + Money::fromDouble(ui->txtFreight->value());
    NumberFields::showSum(ui->txtTotal, total.toDouble());
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
}

void frmPurchaseInvoice::on_txtDeposit_valueChanged(double)
{
    const Money debt = Money::fromDouble(ui->txtTotal->value()) - Money::fromDouble(ui->txtDeposit->value());
    NumberFields::showSum(ui->txtDebt, debt.toDouble());
}

void frmPurchaseInvoice::on_tblItems_clicked(const QModelIndex &)
{
    recalculate();
}

void frmPurchaseInvoice::on_tblItems_doubleClicked(const QModelIndex &index)
{
    if (index.column() == PurchaseLine::ItemNo || index.column() == PurchaseLine::ItemName)
        on_btnAddItem_clicked();
}

// A scanned code adds its item at once and leaves the field ready for the next code; a
// code that no item carries stays in the field. Of two items sharing a code, the older.
void frmPurchaseInvoice::on_txtBarcode_returnPressed()
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select ItemId from items Where Barcode = :Barcode order by ItemId"));
    query.bindValue(QStringLiteral(":Barcode"), ui->txtBarcode->text().trimmed());
    if (!query.exec() || !query.next())
        return;
    addItem(query.value(0).toInt());
    ui->txtBarcode->clear();
    ui->txtBarcode->setFocus();
}

void frmPurchaseInvoice::on_btnAddItem_clicked()
{
    frmItemsView picker(nullptr);
    picker.pickerMode = true;
    if (ScreenFit::exec(picker) == QDialog::Accepted)
        addItem(pickedItemId);
}

void frmPurchaseInvoice::addItem(int itemId)
{
    if (lines->addItem(itemId))
        recalculate();
}

void frmPurchaseInvoice::itemChanged(QStandardItem *item)
{
    if (lines->isLineChange(item))
        recalculate();
}

// The deposit is the user's alone: no change of the lines moves it.
void frmPurchaseInvoice::recalculate()
{
    const Money subtotal = lines->recalculate();
    NumberFields::showSum(ui->txtSubTotal, subtotal.toDouble());
    NumberFields::showSum(ui->txtTotal, (subtotal + Money::fromDouble(ui->txtFreight->value())).toDouble());
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
}

void frmPurchaseInvoice::enterState(bool adding)
{
    ui->lblStateAdd->setVisible(adding);
    ui->lblStateEdit->setVisible(!adding);
}

bool frmPurchaseInvoice::isAdding() const
{
    return !ui->lblStateAdd->isHidden();
}
