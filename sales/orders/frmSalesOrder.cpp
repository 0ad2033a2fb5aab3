#include "sales/orders/frmSalesOrder.h"
#include "ui_frmSalesOrder.h"

#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/documents/documentlines.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/numberfields.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/textcolumns.h"
#include "partners/frmCustomers.h"
#include "sales/orders/frmSalesOrderView.h"
#include "sales/orders/salescustomer.h"
#include "sales/orders/salesdelegate.h"
#include "sales/orders/salesgrid.h"
#include "sales/orders/salesstorage.h"

#include <QDate>
#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>

frmSalesOrder::frmSalesOrder(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmSalesOrder),
      stored(DocumentLines::storedDocument(SalesStorage::order, tr("this sales order")))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    // A server that is gone fails every read of the opening alike: one box.
    const FailedReads::Action opening;
    fillCustomers();
    setupItemsTable();
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
    TextColumns::limit(QStringLiteral("salesorder"), {{ui->txtSalesOrderNo, QStringLiteral("SalesOrderNo"), ui->label_3},
                                                      {ui->txtComment, QStringLiteral("Comments"), ui->label_7}});
    TextColumns::limit(QStringLiteral("salesquote"), {{ui->txtSalesQuoteNo, QStringLiteral("SalesQuoteNo"), ui->label_11}});
    enterState(true);
    ui->tblItems->verticalHeader()->setDefaultSectionSize(20);
    connect(itemsModel, &QStandardItemModel::itemChanged, this, &frmSalesOrder::itemChanged);
}

frmSalesOrder::~frmSalesOrder()
{
    delete ui;
    delete salesDelegate;
}

void frmSalesOrder::fillCustomers()
{
    SalesCustomer::fill(ui->cmbCustomer, tr("<Add New>"));
}

void frmSalesOrder::on_cmbCustomer_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmCustomers>(ui->cmbCustomer, [this] { fillCustomers(); });
    showShipTo();
}

void frmSalesOrder::showShipTo()
{
    SalesCustomer::showShipTo(this, ui->cmbCustomer, ui->txtShipTo);
}

// Freight, deposit and payment method stay for the next order, and so do the dates of a
// new one.
void frmSalesOrder::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    DocumentLines::datesForNew({ui->dtDate, ui->dtShipDate}, !isAdding());
    ui->cmbCustomer->setCurrentIndex(0);
    ui->txtComment->clear();
    ui->txtSalesQuoteNo->clear();
    ui->txtSalesOrderNo->clear();
    ui->txtShipTo->clear();
    lines->clear();
    on_tblItems_clicked(itemsModel->index(0, 0));
    enterState(true);
    salesQuoteId = -1;
}

void frmSalesOrder::on_btnSearch_clicked()
{
    frmSalesOrderView list(nullptr);
    ScreenFit::exec(list);
    // The hand-off is read once, right away: any later list, from any window, resets it.
    if (pickedSalesOrderId != -1)
        loadOrder(pickedSalesOrderId);
}

// An id that names no order (deleted meanwhile) changes nothing: a later Save must not
// write under it. The order keeps the quote it was made from; salesQuoteId is only for
// the insert.
void frmSalesOrder::loadOrder(int id)
{
    // Read first: a change another user makes while the window reads can only refuse
    // the save, never slip under it.
    stored.remember(id);
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral(
        "select SalesOrderNo, salesorder.CustomerId, salesorder.Date, salesorder.ShipDate, salesorder.Subtotal, "
        "salesorder.Freight, salesorder.Total, salesorder.Comments, salesquote.SalesQuoteNo, PaymentMethod, DepositPaid "
        "from salesorder left join salesquote on salesorder.SalesQuoteId = salesquote.SalesQuoteId "
        "where SalesOrderId = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    editedSalesOrderId = id;
    ui->txtSalesOrderNo->setText(query.value(0).toString());
    DocumentLines::showHeader(query, headerFields());
    ui->txtSalesQuoteNo->setText(query.value(8).toString());
    selectStoredIndex(ui->cmbPaymentMethod, query.value(9).toInt());
    NumberFields::showStored(ui->txtDeposit, Money::fromDecimal(query.value(10)).toDouble(), ui->label_13);
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
    showShipTo();
    // A header shown without its lines is not saved over the document.
    FailedReads::noteRead(this, SalesStorage::loadLines(lines, SalesStorage::order, id, true));
    enterState(false);
}

// Fills a new order from the stored quote with the typed number. A stored order is not
// filled: the copied lines would stand beside the lines it keeps.
void frmSalesOrder::on_btnSearchQuote_clicked()
{
    if (!isAdding()) {
        Messages::critical(this, msgCaption, tr("A stored order cannot be filled from a quote. Press New first."));
        return;
    }
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select SalesQuoteId, CustomerId, Date, ShipDate, Subtotal, Freight, Total, Comments "
                                 "from salesquote where SalesQuoteNo = :no order by SalesQuoteId"));
    query.bindValue(QStringLiteral(":no"), ui->txtSalesQuoteNo->text());
    if (!DocumentLines::execOrTell(query, this))
        return;
    if (!query.next()) {
        Messages::critical(this, msgCaption, tr("No sales quote has this number."));
        return;
    }
    salesQuoteId = query.value(0).toInt();
    DocumentLines::showSourceHeader(query, headerFields());
    showShipTo();
    loadQuoteLines();
}

// The quote's lines become new lines of the order, with the quote's prices. Lines that
// could not be read refuse the save until New: the order would be stored without them.
void frmSalesOrder::loadQuoteLines()
{
    FailedReads::noteRead(this, SalesStorage::loadLines(lines, SalesStorage::quote, salesQuoteId, false));
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
}

void frmSalesOrder::on_btnSave_clicked()
{
    on_tblItems_clicked(itemsModel->index(0, 0));
    if (isValid() && saveOrder())
        on_btnNew_clicked();
}

bool frmSalesOrder::isValid()
{
    return DocumentLines::hasChoicesAndLines(
               this, {{ui->cmbCustomer, tr("Select Customer")}}, lines->lineCount()) &&
           lines->checkLines(this) && NumberFields::storable(this) &&
           DocumentLines::headerAmountsFit(this, headerFields(), {DocumentLines::deposit(ui->txtDeposit)}) &&
           TextColumns::storable(this);
}

// The header and its lines stand or fall together. After a failure nothing is kept and
// the order stays as typed, in its state, to be mended and saved again.
bool frmSalesOrder::saveOrder()
{
    cDbSave save;
    // The quote the order was made from stays as stored.
    const int id = DocumentLines::writeHeader(
        save, isAdding() ? 0 : editedSalesOrderId, stored,
        {{QStringLiteral("customers"), QStringLiteral("CustomerId"), {comboItemId(ui->cmbCustomer)}, tr("the chosen customer")}, DocumentLines::chosenItems(lines, SalesLine::ItemId)},
        QStringLiteral("INSERT INTO `salesorder` (`SalesOrderNo`, `SalesQuoteId`, `EmployeeId`, `CustomerId`, `Date`, "
                       "`ShipDate`, `Subtotal`, `Freight`, `Total`, `PaymentMethod`, `DepositPaid`, `Comments`) VALUES "
                       "(:SalesOrderNo, :SalesQuoteId, :EmployeeId, :CustomerId, :Date, :ShipDate, :Subtotal, :Freight, "
                       ":Total, :PaymentMethod, :DepositPaid, :Comments)"),
        QStringLiteral("Update `salesorder` Set `SalesOrderNo` = :SalesOrderNo, `EmployeeId` = :EmployeeId, "
                       "`CustomerId` = :CustomerId, `Date` = :Date, `ShipDate` = :ShipDate, `Subtotal` = :Subtotal, "
                       "`Freight` = :Freight, `Total` = :Total, `PaymentMethod` = :PaymentMethod, "
                       "`DepositPaid` = :DepositPaid, `Comments` = :Comments Where SalesOrderId = :id"),
        [this](QSqlQuery &header) { bindHeader(header); });
    SalesStorage::writeLines(save, lines, SalesStorage::order, id, Money::fromDouble(ui->txtSubTotal->value()));
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    return true;
}

void frmSalesOrder::bindHeader(QSqlQuery &header) const
{
    DocumentLines::bindHeader(header, headerFields(), QStringLiteral(":CustomerId"));
    header.bindValue(QStringLiteral(":SalesOrderNo"), textOrNull(ui->txtSalesOrderNo->text()));
    header.bindValue(QStringLiteral(":SalesQuoteId"), idOrNull(salesQuoteId));
    header.bindValue(QStringLiteral(":PaymentMethod"), ui->cmbPaymentMethod->currentIndex());
    header.bindValue(QStringLiteral(":DepositPaid"), Money::fromDouble(ui->txtDeposit->value()).toDecimal());
}

DocumentLines::HeaderFields frmSalesOrder::headerFields() const
{
    return {ui->cmbCustomer, ui->dtDate, ui->dtShipDate, ui->txtSubTotal, ui->txtFreight, ui->txtTotal, ui->txtComment};
}

void frmSalesOrder::on_btnRemoveItem_clicked()
{
    if (lines->removeCurrentLine(this))
        on_tblItems_clicked(itemsModel->index(0, 0));
}

void frmSalesOrder::on_txtDeposit_valueChanged(double)
{
    const Money debt = Money::fromDouble(ui->txtTotal->value()) - Money::fromDouble(ui->txtDeposit->value());
    NumberFields::showSum(ui->txtDebt, debt.toDouble());
}

void frmSalesOrder::on_txtFreight_valueChanged(double)
{
    const Money total = Money::fromDouble(ui->txtSubTotal->value()) + Money::fromDouble(ui->txtFreight->value());
    NumberFields::showSum(ui->txtTotal, total.toDouble());
    on_txtDeposit_valueChanged(ui->txtDeposit->value());
}

// The lines keep the prices they were given, whatever the price list says now.
void frmSalesOrder::on_tblItems_clicked(const QModelIndex &)
{
    showTotals(lines->recalculate());
}

void frmSalesOrder::on_tblItems_doubleClicked(const QModelIndex &index)
{
    if (index.column() == SalesLine::ItemNo || index.column() == SalesLine::ItemName)
        on_btnAddItem_clicked();
}

void frmSalesOrder::on_btnAddItem_clicked()
{
    if (lines->addPickedItem())
        on_tblItems_clicked(itemsModel->index(0, 0));
}

void frmSalesOrder::itemChanged(QStandardItem *item)
{
    if (lines->isLineChange(item))
        on_tblItems_clicked(itemsModel->index(0, 0));
}

void frmSalesOrder::setupItemsTable()
{
    salesDelegate = new SalesDelegate;
    itemsModel = new QStandardItemModel(1, SalesLine::ColumnCount, this);
    lines = new cSalesGrid(ui->tblItems, itemsModel, salesDelegate, tr("QuoteDetailsId"), this);
}

void frmSalesOrder::showTotals(Money subtotal)
{
    NumberFields::showSum(ui->txtSubTotal, subtotal.toDouble());
    on_txtFreight_valueChanged(ui->txtFreight->value());
}

void frmSalesOrder::enterState(bool adding)
{
    ui->lblStateAdd->setVisible(adding);
    ui->lblStateEdit->setVisible(!adding);
}

bool frmSalesOrder::isAdding() const
{
    return !ui->lblStateAdd->isHidden();
}
