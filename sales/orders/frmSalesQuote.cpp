#include "sales/orders/frmSalesQuote.h"
#include "ui_frmSalesQuote.h"

#include "core/comboboxes.h"
#include "core/connection.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/numberfields.h"
#include "core/textcolumns.h"
#include "partners/frmCustomers.h"
#include "sales/orders/salesdelegate.h"
#include "sales/orders/salesgrid.h"

#include <QDate>
#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>

frmSalesQuote::frmSalesQuote(QWidget *parent) : QDialog(parent), ui(new Ui::frmSalesQuote)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
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
    const QSqlError error = fillCombo(ui->cmbCustomer, {tr("<Add New>")},
                                      QStringLiteral("Select CustomerId, Concat(CustomerName, ': ', PersonName) "
                                                     "from customers inner join persons on CustomerPersonId = PersonId "
                                                     "where IsActive = 1"));
    if (error.isValid())
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + error.text());
}

void frmSalesQuote::on_cmbCustomer_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmCustomers>(ui->cmbCustomer, [this] { fillCustomers(); });
    showShipTo();
}

// The customer's ship-to person and address, a line each.
void frmSalesQuote::showShipTo()
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select PersonName, Street1, Street2, City, Province, Country From persons "
                                 "Inner Join customers on persons.PersonId = ShipToPersonId Where CustomerId = :id"));
    query.bindValue(QStringLiteral(":id"), comboItemId(ui->cmbCustomer));
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
        return;
    }
    const bool found = query.next();
    QStringList address;
    for (int part = 0; part < 6; ++part)
        address << (found ? query.value(part).toString() : QString());
    ui->txtShipTo->setPlainText(address.join(QLatin1Char('\n')));
}

void frmSalesQuote::on_btnNew_clicked()
{
    ui->cmbCustomer->setCurrentIndex(0);
    ui->txtComment->clear();
    ui->txtSalesQuoteNo->clear();
    ui->txtShipTo->clear();
    ui->txtFreight->setValue(0);
    lines->clear();
    on_tblItems_clicked(itemsModel->index(0, 0));
    enterState(true);
}

// The quote as it would be stored: current totals, a customer, complete lines. Storing it
// is not offered yet, so the form keeps the button disabled.
void frmSalesQuote::on_btnSave_clicked()
{
    on_tblItems_clicked(itemsModel->index(0, 0));
    isValid();
}

bool frmSalesQuote::isValid()
{
    if (ui->cmbCustomer->currentIndex() <= 0) {
        Messages::critical(this, msgCaption, tr("Select Customer"));
        return false;
    }
    if (lines->lineCount() == 0) {
        Messages::critical(this, msgCaption,
                           tr("Select items by double clicking the first empty row below 'Item No' or 'Item' column"));
        return false;
    }
    return lines->checkLines(this) && TextColumns::storable(this);
}

void frmSalesQuote::on_btnRemoveItem_clicked()
{
    if (lines->removeCurrentLine(this))
        on_tblItems_clicked(itemsModel->index(0, 0));
}

void frmSalesQuote::on_txtFreight_valueChanged(double)
{
    const Money total = Money::fromDouble(ui->txtSubTotal->value()) + Money::fromDouble(ui->txtFreight->value());
    ui->txtTotal->setValue(total.toDouble());
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
    ui->txtSubTotal->setValue(subtotal.toDouble());
    on_txtFreight_valueChanged(ui->txtFreight->value());
}

void frmSalesQuote::enterState(bool adding)
{
    ui->lblStateAdd->setVisible(adding);
    ui->lblStateEdit->setVisible(!adding);
}
