#include "trading/paymentgrid.h"

#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/documents/documentlines.h"
#include "core/system/globals.h"
#include "core/documents/linegrid.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/textcolumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlError>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QTableWidget>

#include <algorithm>
#include <optional>

using namespace PaymentColumn;

namespace {
const Qt::ItemFlags shownOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;

QTableWidgetItem *shown(QTableWidgetItem *item)
{
    item->setFlags(shownOnly);
    return item;
}

// The amount typed reads left to right at the end of the line in either direction, as it
// shows once typed: in an Arabic window "-5" would otherwise be typed as "5-".
class PaymentDelegate : public DirectionDelegate
{
public:
    using DirectionDelegate::DirectionDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = DirectionDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            Direction::alignAmountField(line);
        return editor;
    }
};

// The debt of each invoice of `query`, which has run the book's invoices statement.
Money debtOf(const QSqlQuery &query)
{
    return Money::fromDecimal(query.value(Total)) - Money::fromDecimal(query.value(Paid));
}
}

cPaymentGrid::cPaymentGrid(QDialog *window, const PaymentForm &form, const PaymentBook &book)
    : QObject(window), window(window), form(form), book(book)
{
    window->setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        window->setLayoutDirection(Qt::RightToLeft);
    form.date->setDisplayFormat(dateFormat);
    form.date->setDate(QDate::currentDate());
    TextColumns::limit(book.paymentTable, {{form.comment, QStringLiteral("Comment"), form.commentLabel}});
    form.table->hideColumn(InvoiceId);
    form.table->setItemDelegate(new PaymentDelegate(form.table));
    // The empty grid, before a partner is chosen, shows its column titles whole too.
    fitTextColumns();
    fitAmountColumns();
    // Wide enough for what the grid's amounts add up to: a total is never cut.
    for (QLineEdit *field : {form.totalDebts, form.totalPayments}) {
        Direction::alignAmountField(field);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-9999999999.99")) + 12);
    }
    fillCombo(form.parties, {}, book.partiesSql);
    growToWidestEntry(form.parties);
}

void cPaymentGrid::loadChosen()
{
    load(comboItemId(form.parties), form.showFullPaid->isChecked());
}

void cPaymentGrid::saveTyped()
{
    if (TextColumns::storable(window))
        save(window, form.date->date(), form.method->currentIndex(), form.comment->toPlainText());
}

void cPaymentGrid::load(const QVariant &partyId, bool showFullPaid)
{
    loadedParty = partyId;
    loadedFullPaid = showFullPaid;
    // Total Payments is summed once, when every row is in.
    const QSignalBlocker quiet(form.table);
    form.table->setRowCount(0);
    QSqlQuery query(liveDefaultConnection());
    // Amounts as the server's decimal text, read into Money without passing a double.
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    query.prepare(book.invoicesSql);
    query.bindValue(QStringLiteral(":PartyId"), partyId);
    if (!query.exec()) {
        // An empty grid with "0" owed would read as a partner who owes nothing.
        form.totalDebts->clear();
        DocumentLines::tellSelectFailed(window, query.lastError());
        sumPayments();
        return;
    }
    Money totalDebt;
    while (query.next()) {
        const Money debt = debtOf(query);
        if (!showFullPaid && debt <= Money())
            continue;
        const int row = form.table->rowCount();
        form.table->insertRow(row);
        form.table->setItem(row, InvoiceId, shown(TableLines::valueItem(query.value(InvoiceId))));
        form.table->setItem(row, InvoiceNo, shown(TableLines::valueItem(query.value(InvoiceNo))));
        form.table->setItem(row, InvoiceDate,
                            shown(TableLines::valueItem(query.value(InvoiceDate).toDate().toString(Qt::ISODate))));
        form.table->setItem(row, Total, shown(TableLines::amountItem(Money::fromDecimal(query.value(Total)))));
        form.table->setItem(row, Paid, shown(TableLines::amountItem(Money::fromDecimal(query.value(Paid)))));
        form.table->setItem(row, Debt, shown(TableLines::amountItem(debt)));
        // Only what is still owed can be paid.
        auto *payment = new QTableWidgetItem;
        payment->setTextAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
        payment->setFlags(debt > Money() ? shownOnly | Qt::ItemIsEditable : shownOnly);
        form.table->setItem(row, Payment, payment);
        totalDebt += debt;
    }
    form.totalDebts->setText(totalDebt.shortText());
    fitTextColumns();
    sumPayments();
}

void cPaymentGrid::sumPayments()
{
    Money sum;
    for (int row = 0; row < form.table->rowCount(); ++row)
        if (const QTableWidgetItem *cell = form.table->item(row, Payment))
            sum += Money::parse(cell->text().trimmed()).value_or(Money());
    form.totalPayments->setText(sum.shortText());
    // The amounts typed get room too, once typed.
    fitAmountColumns();
}

void cPaymentGrid::fitTextColumns()
{
    form.table->resizeColumnToContents(InvoiceNo);
    form.table->resizeColumnToContents(InvoiceDate);
}

void cPaymentGrid::fitAmountColumns()
{
    Direction::showAmountColumns(form.table, {Total, Paid, Debt, Payment}, {InvoiceNo});
}

bool cPaymentGrid::save(QWidget *window, const QDate &date, int method, const QString &comment)
{
    QList<TypedPayment> payments;
    if (!readPayments(window, &payments))
        return false;
    if (!payments.isEmpty()) {
        cDbSave save;
        writePayments(save, payments, date, method, comment);
        if (!save.commit()) {
            Messages::critical(window, msgCaption, save.failureText(msgInsertFailed));
            return false;
        }
    }
    load(loadedParty, loadedFullPaid);
    return true;
}

bool cPaymentGrid::readPayments(QWidget *window, QList<TypedPayment> *payments)
{
    for (int row = 0; row < form.table->rowCount(); ++row) {
        const QTableWidgetItem *cell = form.table->item(row, Payment);
        const QString typed = cell ? cell->text().trimmed() : QString();
        if (typed.isEmpty())
            continue;
        const std::optional<Money> amount = Money::parse(typed);
        if (!amount)
            return refuse(window, row, tr("The payment for invoice %1 is not an amount. Type it with at most two "
                                          "decimals, such as 1250.50.").arg(invoiceName(row)));
        if (amount->isZero())
            continue;
        if (*amount < Money())
            return refuse(window, row, tr("The payment for invoice %1 must be more than 0.").arg(invoiceName(row)));
        const Money debt = TableLines::amount(form.table, row, Debt);
        if (*amount > debt)
            return refuse(window, row, tr("The payment for invoice %1 is more than its debt of %2.")
                                           .arg(invoiceName(row), Direction::isolated(debt.shortText())));
        payments->append({row, TableLines::data(form.table, row, InvoiceId).toInt(), *amount});
    }
    return true;
}

// The cell to mend is made current, so the user can type over it at once.
bool cPaymentGrid::refuse(QWidget *window, int row, const QString &text)
{
    Messages::critical(window, msgCaption, text);
    form.table->setCurrentCell(row, Payment);
    return false;
}

QString cPaymentGrid::invoiceName(int row) const
{
    const QString number = TableLines::data(form.table, row, InvoiceNo).toString();
    return Direction::isolated(number.isEmpty() ? TableLines::data(form.table, row, InvoiceDate).toString() : number);
}

void cPaymentGrid::writePayments(cDbSave &save, QList<TypedPayment> payments, const QDate &date, int method,
                                 const QString &comment)
{
    // Every save locks its invoices in the same order, so two saves over the same
    // invoices wait for each other instead of deadlocking.
    std::sort(payments.begin(), payments.end(),
              [](const TypedPayment &a, const TypedPayment &b) { return a.invoiceId < b.invoiceId; });
    for (const TypedPayment &payment : payments)
        save.lockStored(book.invoiceTable, book.invoiceId, payment.invoiceId);
    QSqlQuery insert = save.prepare(book.insertSql);
    for (const TypedPayment &payment : payments) {
        insert.bindValue(QStringLiteral(":InvoiceId"), payment.invoiceId);
        insert.bindValue(QStringLiteral(":PaymentDate"), date);
        insert.bindValue(QStringLiteral(":PaymentMethod"), method);
        insert.bindValue(QStringLiteral(":Amount"), payment.amount.toDecimal());
        insert.bindValue(QStringLiteral(":Comment"), textNotNull(comment));
        save.exec(insert);
    }
    checkStoredDebts(save, payments);
}

// What is stored is judged, with this save's payments in: another user may have paid
// the same invoice, or moved it to another partner, since the grid was loaded.
void cPaymentGrid::checkStoredDebts(cDbSave &save, const QList<TypedPayment> &payments)
{
    QSqlQuery stored = save.prepare(book.invoicesSql);
    stored.bindValue(QStringLiteral(":PartyId"), loadedParty);
    if (!save.exec(stored))
        return;
    QHash<int, Money> debts;
    while (stored.next())
        debts.insert(stored.value(InvoiceId).toInt(), debtOf(stored));
    for (const TypedPayment &payment : payments) {
        if (!debts.contains(payment.invoiceId) || debts.value(payment.invoiceId) < Money()) {
            save.failWith(tr("Another user has changed invoice %1 meanwhile. Nothing was saved.")
                              .arg(invoiceName(payment.row)));
            return;
        }
    }
}
