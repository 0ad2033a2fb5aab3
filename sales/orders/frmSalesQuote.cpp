#include "sales/orders/frmSalesQuote.h"
#include "ui_frmSalesQuote.h"

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
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "partners/frmCustomers.h"
#include "sales/orders/frmSalesQuoteView.h"
#include "sales/orders/salescustomer.h"
#include "sales/orders/salesdelegate.h"
#include "sales/orders/salesgrid.h"
#include "sales/orders/salesstorage.h"

#include <QDate>
#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>

frmSalesQuote::frmSalesQuote(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmSalesQuote),
      stored(DocumentLines::storedDocument(SalesStorage::quote, tr("this sales quote")))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    // A server that is gone fails every read of the opening alike: one box.
    const FailedReads::Action opening;
    setupItemsTable();
    fillCustomers();
    for (QDateEdit *date : {ui->dtDate, ui->dtExpireDate, ui->dtShipDate}) {
        date->setDisplayFormat(dateFormat);
        date->setDate(QDate::currentDate());
    }
    // Freight is stored as DECIMAL(10,2) and may be negative; the sums get room to show
    // whatever the lines add up to.
    NumberFields::setupAmount(ui->txtFreight, 10, true);
    NumberFields::setupAmount(ui->txtSubTotal, 12, true);
    NumberFields::setupAmount(ui->txtTotal, 12, true);
    TextColumns::limit(QStringLiteral("salesquote"), {{ui->txtSalesQuoteNo, QStringLiteral("SalesQuoteNo"), ui->label_3},
                                                      {ui->txtComment, QStringLiteral("Comments"), ui->label_7}});
    enterState(true);
    ui->tblItems->verticalHeader()->setDefaultSectionSize(20);
    connect(itemsModel, &QStandardItemModel::itemChanged, this, &frmSalesQuote::itemChanged);
}

frmSalesQuote::~frmSalesQuote()
{
    delete ui;
    delete salesDelegate;
}

void frmSalesQuote::fillCustomers()
{
    SalesCustomer::fill(ui->cmbCustomer, tr("<Add New>"));
}

void frmSalesQuote::on_cmbCustomer_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmCustomers>(ui->cmbCustomer, [this] { fillCustomers(); });
    showShipTo();
}

void frmSalesQuote::showShipTo()
{
    SalesCustomer::showShipTo(this, ui->cmbCustomer, ui->txtShipTo);
}

// The dates of a new quote stay for the next one.
void frmSalesQuote::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    DocumentLines::datesForNew({ui->dtDate, ui->dtShipDate, ui->dtExpireDate}, ui->lblStateAdd->isHidden());
    ui->cmbCustomer->setCurrentIndex(0);
    ui->txtComment->clear();
    ui->txtSalesQuoteNo->clear();
    ui->txtShipTo->clear();
    ui->txtFreight->setValue(0);
    lines->clear();
    on_tblItems_clicked(itemsModel->index(0, 0));
    enterState(true);
}

void frmSalesQuote::on_btnSearch_clicked()
{
    frmSalesQuoteView list(nullptr);
    ScreenFit::exec(list);
    // The hand-off is read once, right away: any later list, from any window, resets it.
    if (pickedSalesQuoteId != -1)
        loadQuote(pickedSalesQuoteId);
}

// An id that names no quote (deleted meanwhile) changes nothing: a later Save must not
// write under it.
void frmSalesQuote::loadQuote(int id)
{
    // Read first: a change another user makes while the window reads can only refuse
    // the save, never slip under it.
    stored.remember(id);
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select SalesQuoteNo, CustomerId, Date, ShipDate, Subtotal, Freight, Total, Comments, "
                                 "ExpireDate from salesquote where SalesQuoteId = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    editedSalesQuoteId = id;
    ui->txtSalesQuoteNo->setText(query.value(0).toString());
    DocumentLines::showHeader(query, headerFields());
    StoredFields::showDate(ui->dtExpireDate, query.value(8));
    showShipTo();
    // A header shown without its lines is not saved over the document.
    FailedReads::noteRead(this, SalesStorage::loadLines(lines, SalesStorage::quote, id, true));
    enterState(false);
}

void frmSalesQuote::on_btnSave_clicked()
{
    on_tblItems_clicked(itemsModel->index(0, 0));
    if (isValid() && saveQuote())
        on_btnNew_clicked();
}

// The header and its lines stand or fall together. After a failure nothing is kept and
// the quote stays as typed, in its state, to be mended and saved again.
bool frmSalesQuote::saveQuote()
{
    cDbSave save;
    const int id = DocumentLines::writeHeader(
        save, ui->lblStateAdd->isHidden() ? editedSalesQuoteId : 0, stored,
        {{QStringLiteral("customers"), QStringLiteral("CustomerId"), {comboItemId(ui->cmbCustomer)}, tr("the chosen customer")}, DocumentLines::chosenItems(lines, SalesLine::ItemId)},
        QStringLiteral("INSERT INTO `salesquote` (`SalesQuoteNo`, `EmployeeId`, `CustomerId`, `Date`, `ShipDate`, "
                       "`ExpireDate`, `Subtotal`, `Freight`, `Total`, `Comments`) VALUES (:SalesQuoteNo, :EmployeeId, "
                       ":CustomerId, :Date, :ShipDate, :ExpireDate, :Subtotal, :Freight, :Total, :Comments)"),
        QStringLiteral("Update `salesquote` Set `SalesQuoteNo` = :SalesQuoteNo, `EmployeeId` = :EmployeeId, "
                       "`CustomerId` = :CustomerId, `Date` = :Date, `ShipDate` = :ShipDate, `ExpireDate` = :ExpireDate, "
                       "`Subtotal` = :Subtotal, `Freight` = :Freight, `Total` = :Total, `Comments` = :Comments "
                       "Where SalesQuoteId = :id"),
        [this](QSqlQuery &header) { bindHeader(header); });
    SalesStorage::writeLines(save, lines, SalesStorage::quote, id, Money::fromDouble(ui->txtSubTotal->value()));
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    return true;
}

void frmSalesQuote::bindHeader(QSqlQuery &header) const
{
    DocumentLines::bindHeader(header, headerFields(), QStringLiteral(":CustomerId"));
    header.bindValue(QStringLiteral(":SalesQuoteNo"), textOrNull(ui->txtSalesQuoteNo->text()));
    header.bindValue(QStringLiteral(":ExpireDate"), StoredFields::dateOrNull(ui->dtExpireDate));
}

DocumentLines::HeaderFields frmSalesQuote::headerFields() const
{
    return {ui->cmbCustomer, ui->dtDate, ui->dtShipDate, ui->txtSubTotal, ui->txtFreight, ui->txtTotal, ui->txtComment};
}

bool frmSalesQuote::isValid()
{
    return DocumentLines::hasChoicesAndLines(
               this, {{ui->cmbCustomer, tr("Select Customer")}}, lines->lineCount()) &&
           lines->checkLines(this) && DocumentLines::headerAmountsFit(this, headerFields()) &&
           TextColumns::storable(this);
}

void frmSalesQuote::on_btnRemoveItem_clicked()
{
    if (lines->removeCurrentLine(this))
        on_tblItems_clicked(itemsModel->index(0, 0));
}

void frmSalesQuote::on_txtFreight_valueChanged(double)
{
    const Money total = Money::fromDouble(ui->txtSubTotal->value()) + Money::fromDouble(ui->txtFreight->value());
    NumberFields::showSum(ui->txtTotal, total.toDouble());
}

// Every line takes its item's current list price, whatever cell was clicked.
void frmSalesQuote::on_tblItems_clicked(const QModelIndex &)
{
    showTotals(lines->recalculate(lines->listPrices()));
}

void frmSalesQuote::on_tblItems_doubleClicked(const QModelIndex &index)
{
    if (index.column() == SalesLine::ItemNo || index.column() == SalesLine::ItemName)
        on_btnAddItem_clicked();
}

void frmSalesQuote::on_btnAddItem_clicked()
{
    if (lines->addPickedItem())
        on_tblItems_clicked(itemsModel->index(0, 0));
}

void frmSalesQuote::itemChanged(QStandardItem *item)
{
    if (lines->isLineChange(item))
        on_tblItems_clicked(itemsModel->index(0, 0));
}

void frmSalesQuote::setupItemsTable()
{
    salesDelegate = new SalesDelegate;
    itemsModel = new QStandardItemModel(1, SalesLine::ColumnCount, this);
    lines = new cSalesGrid(ui->tblItems, itemsModel, salesDelegate, tr("QuoteDetailsId"), this);
    lines->followListPrices();
}

double frmSalesQuote::lineTotal(const QModelIndex &index) const
{
    return lines->lineTotal(index.row()).toDouble();
}

void frmSalesQuote::fillLineDefaults(const QModelIndex &index)
{
    lines->fillLineDefaults(index.row());
}

void frmSalesQuote::showTotals(Money subtotal)
{
    NumberFields::showSum(ui->txtSubTotal, subtotal.toDouble());
    on_txtFreight_valueChanged(ui->txtFreight->value());
}

void frmSalesQuote::enterState(bool adding)
{
    ui->lblStateAdd->setVisible(adding);
    ui->lblStateEdit->setVisible(!adding);
}
