#include "trading/refundwindow.h"

#include "core/widgets/comboboxes.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/documents/documentlines.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/numberfields.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "trading/refundgrid.h"
#include "trading/refundsdelegate.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTableView>

cRefundWindow::cRefundWindow(QWidget *parent, const RefundStorage::Side &side)
    : QDialog(parent), side(side),
      stored({{side.refund, side.refundId, side.refundId}, {side.details, side.refundId, side.detailsId}},
             tr("this refund"))
{
}

cRefundWindow::~cRefundWindow()
{
    delete itemsDelegate;
}

void cRefundWindow::setUp(const Widgets &widgets, const Texts &texts, const QString &partnersSql, bool showDate,
                          bool newKeepsDate)
{
    ui = widgets;
    this->texts = texts;
    this->newKeepsDate = newKeepsDate;
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui.date->setDisplayFormat(dateFormat);
    ui.date->setDate(QDate::currentDate());
    ui.items->verticalHeader()->setDefaultSectionSize(20);
    // Freight is stored as DECIMAL(10,2) and may be negative; a deposit is money paid
    // and never is. The sums get room to show whatever the lines add up to.
    NumberFields::setupAmount(ui.freight, 10, true);
    NumberFields::setupAmount(ui.deposit, 10, false);
    for (QDoubleSpinBox *sum : {ui.subTotal, ui.total, ui.debt})
        NumberFields::setupAmount(sum, 12, true);
    TextColumns::limit(side.refund, {{ui.comment, QStringLiteral("Comment"), ui.commentLabel}});
    // A server that is gone fails every read of the opening alike: one box.
    const FailedReads::Action opening;
    fillPartners(partnersSql);
    setupItemsTable(showDate);
    // No amount starts out of sight where the screen has the room.
    Direction::openWideEnoughFor(this, ui.items);
    connect(itemsModel, &QStandardItemModel::itemChanged, this, &cRefundWindow::itemChanged);
    on_btnNew_clicked();
}

void cRefundWindow::setupItemsTable(bool showDate)
{
    itemsDelegate = new RefundsDelegate;
    itemsModel = new QStandardItemModel(0, RefundLine::ColumnCount, this);
    lines = new cRefundGrid(ui.items, itemsModel, itemsDelegate, texts.dateHeader, texts.invoiceLineHeader, showDate,
                            this);
}

void cRefundWindow::fillPartners(const QString &sql)
{
    fillCombo(ui.partners, {}, sql);
    growToWidestEntry(ui.partners);
    ui.partners->setCurrentIndex(-1);
}

void cRefundWindow::partnerChosen(int index)
{
    RefundStorage::fillInvoices(ui.invoices, side, ui.partners->itemData(index));
    lines->clear();
    linesInvoiceId = -1;
    recalculate();
}

// Choosing an invoice again reloads its lines and drops what was typed.
void cRefundWindow::on_cmbInvoices_activated(int index)
{
    const int invoiceId = ui.invoices->itemData(index).toInt();
    QSqlError error;
    {
        const QScopedValueRollback<bool> quiet(filling, true);
        error = RefundStorage::loadInvoiceLines(lines, side, invoiceId);
    }
    linesInvoiceId = error.isValid() ? -1 : invoiceId;
    DocumentLines::tellSelectFailed(this, error);
    recalculate();
}

double cRefundWindow::recalcRow(const QModelIndex &index) const
{
    return lines->lineTotal(index.row()).toDouble();
}

void cRefundWindow::on_tblItems_clicked(const QModelIndex &)
{
    recalculate();
}

// A grid being filled is recalculated once, when it is full.
void cRefundWindow::itemChanged(QStandardItem *item)
{
    if (!filling && lines->isLineChange(item))
        recalculate();
}

void cRefundWindow::recalculate()
{
    const Money subtotal = lines->recalculate();
    NumberFields::showSum(ui.subTotal, subtotal.toDouble());
    on_txtFreight_valueChanged(ui.freight->value());
}

void cRefundWindow::on_txtFreight_valueChanged(double)
{
    const Money total = Money::fromDouble(ui.subTotal->value()) + Money::fromDouble(ui.freight->value());
    NumberFields::showSum(ui.total, total.toDouble());
    on_txtDeposit_valueChanged(ui.deposit->value());
}

void cRefundWindow::on_txtDeposit_valueChanged(double)
{
    const Money debt = Money::fromDouble(ui.total->value()) - Money::fromDouble(ui.deposit->value());
    NumberFields::showSum(ui.debt, debt.toDouble());
}

// The payment method stays for the next refund.
void cRefundWindow::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    DocumentLines::datesForNew({ui.date}, !newKeepsDate || !isAdding());
    ui.partners->setCurrentIndex(-1);
    ui.invoices->clear();
    lines->clear();
    linesInvoiceId = -1;
    ui.comment->clear();
    ui.freight->setValue(0);
    ui.deposit->setValue(0);
    recalculate();
    loadedId = -1;
    enterState(true);
}

void cRefundWindow::on_btnSave_clicked()
{
    recalculate();
    if (isValid() && saveRefund())
        on_btnNew_clicked();
}

bool cRefundWindow::isValid()
{
    if (!FailedReads::readWhole(this))
        return false;
    if (ui.partners->currentIndex() < 0) {
        Messages::critical(this, msgCaption, texts.selectPartner);
        return false;
    }
    if (ui.invoices->currentIndex() < 0 || linesInvoiceId < 1) {
        Messages::critical(this, msgCaption, texts.selectInvoice);
        return false;
    }
    if (lines->refundingLineCount() == 0) {
        Messages::critical(this, msgCaption, texts.noQuantity);
        return false;
    }
    const auto amount = [](const QDoubleSpinBox *box) { return Money::fromDouble(box->value()); };
    return NumberFields::storable(this)
           && DocumentLines::headerAmountsFit(this, amount(ui.subTotal), amount(ui.freight), amount(ui.total),
                                           {DocumentLines::deposit(ui.deposit)})
           && paysBackWithinTotal() && TextColumns::storable(this);
}

// What is paid back is part of what is refunded: more would stand as money owed on the
// invoice that was never sold.
bool cRefundWindow::paysBackWithinTotal()
{
    const DocumentLines::NamedAmount paid = DocumentLines::deposit(ui.deposit);
    const Money total = Money::fromDouble(ui.total->value());
    if (paid.amount >= Money() && (paid.amount <= total || paid.amount == Money()))
        return true;
    Messages::critical(this, msgCaption,
                       tr("The %1 (%2) must lie between 0 and the refund's total (%3). Nothing was saved.")
                           .arg(paid.name, Direction::isolated(paid.amount.fixedText()),
                                Direction::isolated(total.fixedText())));
    ui.deposit->setFocus();
    return false;
}

// The refund and its lines stand or fall together; after a failure the window keeps
// what it shows and its state, to be mended and saved again.
bool cRefundWindow::saveRefund()
{
    RefundStorage::Header header;
    header.invoiceId = linesInvoiceId;
    header.date = StoredFields::dateOrNull(ui.date);
    header.subTotal = Money::fromDouble(ui.subTotal->value());
    header.freight = Money::fromDouble(ui.freight->value());
    header.total = Money::fromDouble(ui.total->value());
    header.paymentMethod = ui.paymentMethod->currentIndex();
    header.deposit = Money::fromDouble(ui.deposit->value());
    header.comment = ui.comment->toPlainText();
    cDbSave save;
    RefundStorage::write(save, side, header, isAdding() ? 0 : loadedId, stored, lines);
    return DocumentLines::commitOrTell(save, this);
}

void cRefundWindow::on_btnSearch_clicked()
{
    const int id = pickRefund();
    if (id >= 1)
        loadRefund(id);
}

// A refund deleted meanwhile changes nothing: a later Save must not write under its id.
void cRefundWindow::loadRefund(int id)
{
    // Read first: a change another user makes while the window reads can only refuse the
    // save, never slip under it.
    stored.remember(id);
    RefundStorage::Header header;
    QSqlError error;
    if (!RefundStorage::loadHeader(side, id, &header, &error)) {
        if (error.isValid())
            FailedReads::noteRead(this, error);
        else
            Messages::critical(this, msgCaption, cDbSave::recordGoneText());
        return;
    }
    on_btnNew_clicked();
    loadedId = id;
    selectComboItemById(ui.partners, header.partnerId);
    RefundStorage::fillInvoices(ui.invoices, side, header.partnerId);
    selectComboItemById(ui.invoices, header.invoiceId);
    linesInvoiceId = header.invoiceId;
    StoredFields::showDate(ui.date, header.date);
    ui.freight->setValue(header.freight.toDouble());
    selectStoredIndex(ui.paymentMethod, header.paymentMethod);
    NumberFields::showStored(ui.deposit, header.deposit.toDouble(), ui.depositLabel);
    ui.comment->setPlainText(header.comment);
    {
        const QScopedValueRollback<bool> quiet(filling, true);
        error = RefundStorage::loadRefundLines(lines, side, id);
    }
    // A header shown without its lines is not saved over the refund.
    FailedReads::noteRead(this, error);
    recalculate();
    enterState(false);
}

void cRefundWindow::enterState(bool adding)
{
    ui.stateAdd->setVisible(adding);
    ui.stateEdit->setVisible(!adding);
    ui.partners->setEnabled(adding);
    ui.invoices->setEnabled(adding);
}

bool cRefundWindow::isAdding() const
{
    return !ui.stateAdd->isHidden();
}
