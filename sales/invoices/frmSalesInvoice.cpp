#include "sales/invoices/frmSalesInvoice.h"
#include "ui_frmSalesInvoice.h"

#include "core/system/cXml.h"
#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/documents/documentlines.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/numberfields.h"
#include "core/system/seams.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "core/widgets/webtext.h"
#include "items/frmWarehouses.h"
#include "partners/frmCustomers.h"
#include "sales/invoices/frmSalesInvoiceView.h"
#include "sales/invoices/invoicepage.h"
#include "sales/orders/salescustomer.h"
#include "sales/orders/salesdelegate.h"
#include "sales/orders/salesgrid.h"
#include "sales/orders/salesstorage.h"
#include "trading/refundstorage.h"

#include <QDate>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QPrinter>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QWebFrame>
#include <QWebView>

namespace {
const QString warehouseElement = QStringLiteral("DefaultSalesWarehouse");
const QString customerElement = QStringLiteral("DefaultSalesCustomer");
}

frmSalesInvoice::frmSalesInvoice(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmSalesInvoice),
      stored(DocumentLines::storedDocument(SalesStorage::invoice, tr("this sales invoice"), {{QStringLiteral("salespayments"), QStringLiteral("SalesInvoiceId"), QStringLiteral("SalesPaymentID")}}))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);
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
    NumberFields::setupAmount(ui->txtOrderDeposit, 10, true);
    NumberFields::setupAmount(ui->txtSubTotal, 12, true);
    NumberFields::setupAmount(ui->txtTotal, 12, true);
    NumberFields::setupAmount(ui->txtDebt, 12, true);
    TextColumns::limit(QStringLiteral("salesinvoice"),
                       {{ui->txtSalesInvoiceNo, QStringLiteral("SalesInvoiceNo"), ui->label_3},
                        {ui->txtComment, QStringLiteral("Comments"), ui->label_7}});
    // A server that is gone fails every read of the opening alike: one box.
    const FailedReads::Action opening;
    fillWarehouses();
    fillCustomers();
    setupItemsTable();
    ui->tblItems->verticalHeader()->setDefaultSectionSize(20);
    enterState(true);
    loadDefaults();
    ui->btnBarcodeGo->setDefault(true);
    connect(itemsModel, &QStandardItemModel::itemChanged, this, &frmSalesInvoice::itemChanged);
}

// The next invoice window starts with this one's warehouse and customer.
frmSalesInvoice::~frmSalesInvoice()
{
    cXml settings(cXml::programSettingsPath());
    settings.load();
    DocumentLines::rememberChoice(settings, warehouseElement, ui->cmbWarehouse);
    DocumentLines::rememberChoice(settings, customerElement, ui->cmbCustomer);
    delete ui;
    delete itemsDelegate;
}

void frmSalesInvoice::fillWarehouses()
{
    // A warehouse without a city shows its name alone, with no colon left dangling.
    fillCombo(ui->cmbWarehouse, {tr("<Add New>")},
              QStringLiteral("Select WarehouseId, Concat_WS(': ', NULLIF(WarehouseName, ''), "
                             "NULLIF(City, '')) from warehouses where IsActive = 1"));
    setListingRule(ui->cmbWarehouse, tr("Only active warehouses are listed."));
}

void frmSalesInvoice::fillCustomers()
{
    SalesCustomer::fill(ui->cmbCustomer, tr("<Add New>"));
}

// A remembered warehouse or customer that is gone or inactive chooses no entry: never
// "<Add New>", whose editor must not open while the window is being built.
void frmSalesInvoice::loadDefaults()
{
    cXml settings(cXml::programSettingsPath());
    settings.load();
    DocumentLines::recallChoice(settings, warehouseElement, ui->cmbWarehouse);
    if (DocumentLines::recallChoice(settings, customerElement, ui->cmbCustomer))
        SalesCustomer::showShipTo(this, ui->cmbCustomer, ui->txtShipTo);
}

void frmSalesInvoice::on_cmbCustomer_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmCustomers>(ui->cmbCustomer, [this] { fillCustomers(); });
    SalesCustomer::showShipTo(this, ui->cmbCustomer, ui->txtShipTo);
}

void frmSalesInvoice::on_cmbWarehouse_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmWarehouses>(ui->cmbWarehouse, [this] { fillWarehouses(); });
}

// Warehouse, customer and payment method stay for the next invoice, and so do the dates
// of a new one.
void frmSalesInvoice::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    DocumentLines::datesForNew({ui->dtDate, ui->dtShipDate}, !isAdding());
    ui->cmbCustomer->setEnabled(true);
    ui->txtComment->clear();
    ui->txtSalesInvoiceNo->clear();
    ui->txtSalesOrderNo->clear();
    ui->txtShipTo->clear();
    lines->clear();
    recalculate();
    enterState(true);
    salesOrderId = -1;
    for (QDoubleSpinBox *amount : {ui->txtSubTotal, ui->txtTotal, ui->txtFreight, ui->txtDeposit,
                                   ui->txtOrderDeposit, ui->txtDebt})
        amount->setValue(0);
}

void frmSalesInvoice::on_btnSearch_clicked()
{
    frmSalesInvoiceView list(nullptr);
    ScreenFit::exec(list);
    // The hand-off is read once, right away: any later list, from any window, resets it.
    if (pickedSalesInvoiceId != -1)
        loadInvoice(pickedSalesInvoiceId);
}

// An id that names no invoice (deleted meanwhile) changes nothing: a later Save must not
// write under it. The order the invoice was made from, and its deposit, replace what an
// earlier order search left, so the debt is the loaded invoice's own.
void frmSalesInvoice::loadInvoice(int id)
{
    // Read first: a change another user makes while the window reads can only refuse
    // the save, never slip under it.
    stored.remember(id);
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral(
        "select SalesInvoiceNo, salesinvoice.CustomerId, salesinvoice.Date, salesinvoice.ShipDate, "
        "salesinvoice.Subtotal, salesinvoice.Freight, salesinvoice.Total, salesinvoice.Comments, "
        "salesorder.SalesOrderNo, salesinvoice.PaymentMethod, salesinvoice.DepositPaid, salesinvoice.WarehouseId, "
        "salesinvoice.SalesOrderId, salesorder.DepositPaid "
        "from salesinvoice left join salesorder on salesinvoice.SalesOrderId = salesorder.SalesOrderId "
        "where SalesInvoiceId = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    loadedId = id;
    salesOrderId = query.value(12).isNull() ? -1 : query.value(12).toInt();
    ui->txtOrderDeposit->setValue(Money::fromDecimal(query.value(13)).toDouble());
    ui->txtSalesInvoiceNo->setText(query.value(0).toString());
    DocumentLines::showHeader(query, headerFields());
    ui->txtSalesOrderNo->setText(query.value(8).toString());
    selectStoredIndex(ui->cmbPaymentMethod, query.value(9).toInt());
    NumberFields::showStored(ui->txtDeposit, Money::fromDecimal(query.value(10)).toDouble(), ui->label_15);
    selectComboItemById(ui->cmbWarehouse, query.value(11));
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
    SalesCustomer::showShipTo(this, ui->cmbCustomer, ui->txtShipTo);
    // A header shown without its lines is not saved over the document.
    FailedReads::noteRead(this, SalesStorage::loadLines(lines, SalesStorage::invoice, id, true));
    enterState(false);
}

// Fills a new invoice from the stored order with the typed number that no invoice was
// made from yet; the invoice keeps the order's customer until New. A stored invoice is
// not filled: the copied lines would stand beside the lines it keeps. A number that
// finds no order leaves the invoice as typed.
void frmSalesInvoice::on_btnSearchOrder_clicked()
{
    if (!isAdding()) {
        Messages::critical(this, msgCaption, tr("A stored invoice cannot be filled from an order. Press New first."));
        return;
    }
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral(
        "Select SalesOrderId, CustomerId, Date, ShipDate, Subtotal, Freight, Total, Comments, DepositPaid "
        "from salesorder where SalesOrderNo = :no and not exists (Select 1 from salesinvoice "
        "where salesinvoice.SalesOrderId = salesorder.SalesOrderId) order by SalesOrderId"));
    query.bindValue(QStringLiteral(":no"), ui->txtSalesOrderNo->text());
    if (!DocumentLines::execOrTell(query, this))
        return;
    if (!query.next()) {
        Messages::information(this, msgCaption, tr("Incorrect or pre-used Sales Order No."));
        return;
    }
    salesOrderId = query.value(0).toInt();
    DocumentLines::showSourceHeader(query, headerFields());
    ui->txtOrderDeposit->setValue(Money::fromDecimal(query.value(8)).toDouble());
    SalesCustomer::showShipTo(this, ui->cmbCustomer, ui->txtShipTo);
    loadOrderLines();
    recalculate();
    ui->cmbCustomer->setEnabled(false);
}

// The order's lines become new lines of the invoice; the recalculation that follows
// prices them from today's list. Lines that could not be read refuse the save until New:
// the invoice would be stored without them, and its order counted as invoiced.
void frmSalesInvoice::loadOrderLines()
{
    FailedReads::noteRead(this, SalesStorage::loadLines(lines, SalesStorage::order, salesOrderId, false));
}

void frmSalesInvoice::on_btnSave_clicked()
{
    recalculate();
    if (!isValid() || !saveInvoice())
        return;
    if (ui->chkPrintInvoice->isChecked())
        printInvoice();
    on_btnNew_clicked();
}

bool frmSalesInvoice::isValid()
{
    return DocumentLines::hasChoicesAndLines(
               this, {{ui->cmbCustomer, tr("Select Customer")},
                      {ui->cmbWarehouse, tr("Select warehouse")}},
               lines->lineCount()) &&
           lines->checkLines(this) && NumberFields::storable(this) &&
           DocumentLines::headerAmountsFit(this, headerFields(), {DocumentLines::deposit(ui->txtDeposit)}) &&
           TextColumns::storable(this);
}

// The header and its lines stand or fall together. After a failure nothing is kept and
// the invoice stays as typed, in its state, to be mended and saved again.
bool frmSalesInvoice::saveInvoice()
{
    cDbSave save;
    if (isAdding() && salesOrderId != -1)
        claimOrder(save);
    // The order the invoice was made from stays as stored.
    const int id = DocumentLines::writeHeader(
        save, isAdding() ? 0 : loadedId, stored,
        {{QStringLiteral("customers"), QStringLiteral("CustomerId"), {comboItemId(ui->cmbCustomer)}, tr("the chosen customer")},
         {QStringLiteral("warehouses"), QStringLiteral("WarehouseId"), {comboItemId(ui->cmbWarehouse)},
          tr("the chosen warehouse")},
         DocumentLines::chosenItems(lines, SalesLine::ItemId)},
        QStringLiteral("INSERT INTO `salesinvoice` (`SalesinvoiceNo`, `SalesOrderId`, `WarehouseId`, `EmployeeId`, "
                       "`CustomerId`, `Date`, `ShipDate`, `Subtotal`, `Freight`, `Total`, `PaymentMethod`, `DepositPaid`, "
                       "`Comments`) VALUES (:SalesInvoiceNo, :SalesOrderId, :WarehouseId, :EmployeeId, :CustomerId, "
                       ":Date, :ShipDate, :Subtotal, :Freight, :Total, :PaymentMethod, :DepositPaid, :Comments)"),
        QStringLiteral("Update `salesinvoice` Set `SalesInvoiceNo` = :SalesInvoiceNo, `EmployeeId` = :EmployeeId, "
                       "`CustomerId` = :CustomerId, `Date` = :Date, `ShipDate` = :ShipDate, `Subtotal` = :Subtotal, "
                       "`Freight` = :Freight, `Total` = :Total, `PaymentMethod` = :PaymentMethod, "
                       "`DepositPaid` = :DepositPaid, `Comments` = :Comments, `WarehouseId` = :WarehouseId "
                       "Where SalesInvoiceId = :id"),
        [this](QSqlQuery &header) { bindHeader(header); });
    if (!isAdding())
        RefundStorage::keepRefundedLines(save, RefundStorage::sales, id, lines,
                                         {SalesLine::ItemId, SalesLine::UomId, SalesLine::Quantity, SalesLine::ItemName});
    SalesStorage::writeLines(save, lines, SalesStorage::invoice, id, Money::fromDouble(ui->txtSubTotal->value()));
    return DocumentLines::commitOrTell(save, this);
}

// An order is made into one invoice: its deposit counts once. Search Order found it not
// yet invoiced, but another window may have saved an invoice of it since; the order stays
// locked until this save ends, so of two such saves the second finds the first's invoice.
void frmSalesInvoice::claimOrder(cDbSave &save)
{
    QSqlQuery order = save.prepare(QStringLiteral("SELECT 1 FROM salesorder WHERE SalesOrderId = :id FOR UPDATE"));
    order.bindValue(QStringLiteral(":id"), salesOrderId);
    if (!save.exec(order))
        return;
    if (!order.next()) {
        save.failWith(cDbSave::recordGoneText(tr("the sales order this invoice is made from")));
        return;
    }
    QSqlQuery invoiced = save.prepare(
        QStringLiteral("SELECT 1 FROM salesinvoice WHERE SalesOrderId = :id LIMIT 1 LOCK IN SHARE MODE"));
    invoiced.bindValue(QStringLiteral(":id"), salesOrderId);
    if (save.exec(invoiced) && invoiced.next())
        save.failWith(tr("Another invoice has been made from this sales order meanwhile. Nothing was saved."));
}

void frmSalesInvoice::bindHeader(QSqlQuery &header) const
{
    DocumentLines::bindHeader(header, headerFields(), QStringLiteral(":CustomerId"));
    header.bindValue(QStringLiteral(":SalesInvoiceNo"), textOrNull(ui->txtSalesInvoiceNo->text()));
    header.bindValue(QStringLiteral(":SalesOrderId"), idOrNull(salesOrderId));
    header.bindValue(QStringLiteral(":WarehouseId"), comboItemId(ui->cmbWarehouse));
    header.bindValue(QStringLiteral(":PaymentMethod"), ui->cmbPaymentMethod->currentIndex());
    header.bindValue(QStringLiteral(":DepositPaid"), Money::fromDouble(ui->txtDeposit->value()).toDecimal());
}

DocumentLines::HeaderFields frmSalesInvoice::headerFields() const
{
    return {ui->cmbCustomer, ui->dtDate, ui->dtShipDate, ui->txtSubTotal, ui->txtFreight, ui->txtTotal, ui->txtComment};
}

// Prints on the default printer, without a dialog, from the page of the interface language.
void frmSalesInvoice::printInvoice()
{
    QFile page(InvoicePage::templatePath(languageCode));
    if (!page.open(QIODevice::ReadOnly)) {
        Messages::critical(this, msgCaption, tr("The invoice page could not be read; nothing was printed."));
        return;
    }
    InvoicePage::Invoice invoice;
    invoice.customerName = ui->cmbCustomer->currentText();
    invoice.date = StoredFields::dateOrNull(ui->dtDate).toDate().toString(dateFormat);
    invoice.invoiceNo = ui->txtSalesInvoiceNo->text();
    using namespace SalesLine;
    for (int row = 0; row < lines->lineCount(); ++row) {
        QStringList cells;
        for (int column : {ItemNo, ItemName, Quantity, Uom, UnitPrice, Discount, Tax, Price}) {
            const QVariant value = lines->value(row, column);
            const bool isNumber = value.type() == QVariant::Double || value.type() == QVariant::Int
                                  || value.type() == QVariant::LongLong;
            cells << (isNumber ? InvoicePage::number(value.toDouble()) : value.toString());
        }
        invoice.lines << cells;
    }
    invoice.subtotal = ui->txtSubTotal->value();
    invoice.freight = ui->txtFreight->value();
    invoice.total = ui->txtTotal->value();
    invoice.paid = ui->txtDeposit->value();
    invoice.debt = ui->txtDebt->value();
    invoice.greeting1 = tr("THANK YOU");
    invoice.greeting2 = tr("Thank you for your trust");

    QWebView view(this);
    view.hide();
    bool loaded = false;
    QEventLoop loop;
    connect(&view, &QWebView::loadFinished, &loop, [&] {
        loaded = true;
        loop.quit();
    });
    view.setContent(InvoicePage::fill(QString::fromUtf8(page.readAll()), invoice).toUtf8());
    if (!loaded)
        loop.exec();
    QWebFrame *frame = view.page()->mainFrame();
    WebText::mendRightToLeftText(frame);

    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    if (!Printing::printOn(frame, printer))
        Messages::warning(this, msgCaption, tr("No printer is ready: the invoice was saved but not printed."));
}

void frmSalesInvoice::on_btnRemoveItem_clicked()
{
    if (lines->removeCurrentLine(this))
        recalculate();
}

void frmSalesInvoice::on_txtFreight_valueChanged(double)
{
    const Money total = Money::fromDouble(ui->txtSubTotal->value()) + Money::fromDouble(ui->txtFreight->value());
    NumberFields::showSum(ui->txtTotal, total.toDouble());
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
}

void frmSalesInvoice::on_txtDeposit_valueChanged(double)
{
    const Money debt = Money::fromDouble(ui->txtTotal->value()) - Money::fromDouble(ui->txtOrderDeposit->value())
                       - Money::fromDouble(ui->txtDeposit->value());
    NumberFields::showSum(ui->txtDebt, debt.toDouble());
}

void frmSalesInvoice::on_tblItems_doubleClicked(const QModelIndex &index)
{
    if (index.column() == SalesLine::ItemNo || index.column() == SalesLine::ItemName)
        on_btnAddItem_clicked();
}

// A scanned code adds its item at once and leaves the field ready for the next code; a
// code that no item carries stays in the field. Of two items sharing a code, the older.
void frmSalesInvoice::on_txtBarcode_returnPressed()
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select ItemId from items Where Barcode = :Barcode order by ItemId"));
    query.bindValue(QStringLiteral(":Barcode"), ui->txtBarcode->text().trimmed());
    if (!query.exec() || !query.next() || !lines->addItem(query.value(0).toInt()))
        return;
    ui->txtBarcode->clear();
    ui->txtBarcode->setFocus();
    recalculate();
}

void frmSalesInvoice::on_btnAddItem_clicked()
{
    if (ui->cmbWarehouse->currentIndex() < 1) {
        Messages::critical(this, msgCaption, tr("Select warehouse"));
        return;
    }
    if (lines->addPickedItem())
        recalculate();
}

void frmSalesInvoice::itemChanged(QStandardItem *item)
{
    if (lines->isLineChange(item))
        recalculate();
}

void frmSalesInvoice::setupItemsTable()
{
    itemsDelegate = new SalesDelegate;
    itemsModel = new QStandardItemModel(1, SalesLine::ColumnCount, this);
    lines = new cSalesGrid(ui->tblItems, itemsModel, itemsDelegate, tr("InvoiceDetailsId"), this);
    lines->followListPrices();
}

// Every line at its list price. A deposit that equalled the total follows it: a sale paid
// in full stays paid in full as lines change.
void frmSalesInvoice::recalculate()
{
    const bool depositFollows = Money::fromDouble(ui->txtTotal->value()) == Money::fromDouble(ui->txtDeposit->value());
    const Money subtotal = lines->recalculate(lines->listPrices());
    NumberFields::showSum(ui->txtSubTotal, subtotal.toDouble());
    const Money total = subtotal + Money::fromDouble(ui->txtFreight->value());
    NumberFields::showSum(ui->txtTotal, total.toDouble());
    if (depositFollows)
        ui->txtDeposit->setValue(total.toDouble());
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
}

void frmSalesInvoice::enterState(bool adding)
{
    ui->lblStateAdd->setVisible(adding);
    ui->lblStateEdit->setVisible(!adding);
}

bool frmSalesInvoice::isAdding() const
{
    return !ui->lblStateAdd->isHidden();
}
