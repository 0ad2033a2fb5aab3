#include "trading/refundstorage.h"

#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"
#include "core/documents/documentlines.h"
#include "core/documents/linegrid.h"
#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "core/db/sqlvalues.h"
#include "trading/refundgrid.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDate>
#include <QHash>
#include <QSqlQuery>

using namespace RefundLine;

namespace RefundStorage {

const Side sales{QStringLiteral("salesrefund"),        QStringLiteral("SalesRefundId"),
                 QStringLiteral("salesrefunddetails"), QStringLiteral("SalesRefundDetailsId"),
                 QStringLiteral("salesinvoice"),       QStringLiteral("SalesInvoiceId"),
                 QStringLiteral("SalesInvoiceNo"),     QStringLiteral("salesinvoicedetails"),
                 QStringLiteral("SalesInvoiceDetailsId"), QStringLiteral("CustomerId"),
                 QStringLiteral("NULL")};
const Side purchase{QStringLiteral("purchaserefund"),        QStringLiteral("PurchaseRefundId"),
                    QStringLiteral("purchaserefunddetails"), QStringLiteral("PurchaseRefundDetailsId"),
                    QStringLiteral("purchaseinvoice"),       QStringLiteral("PurchaseInvoiceId"),
                    QStringLiteral("PurchaseInvoiceNo"),     QStringLiteral("purchaseinvoicedetails"),
                    QStringLiteral("PurchaseInvoiceDetailsId"), QStringLiteral("VendorId"),
                    QStringLiteral("d.ProductionDate")};

namespace {
// The statement with the side's own tables and columns in place of {refund}, {invoiceId}, ...
QString sql(const Side &side, QString text)
{
    const QList<QPair<QString, QString>> names{
        {QStringLiteral("{refund}"), side.refund},
        {QStringLiteral("{refundId}"), side.refundId},
        {QStringLiteral("{details}"), side.details},
        {QStringLiteral("{detailsId}"), side.detailsId},
        {QStringLiteral("{invoice}"), side.invoice},
        {QStringLiteral("{invoiceId}"), side.invoiceId},
        {QStringLiteral("{invoiceNo}"), side.invoiceNo},
        {QStringLiteral("{invoiceDetails}"), side.invoiceDetails},
        {QStringLiteral("{invoiceDetailsId}"), side.invoiceDetailsId},
        {QStringLiteral("{partnerId}"), side.partnerId},
        {QStringLiteral("{lineDate}"), side.lineDate}};
    for (const auto &name : names)
        text.replace(name.first, name.second);
    return text;
}

// Columns 0..10 of both line statements, in the order fillRow() reads them.
void fillRow(cRefundGrid *lines, int row, const QSqlQuery &query)
{
    lines->setValue(row, InvoiceDetailId, query.value(0));
    lines->setValue(row, ItemId, query.value(1));
    lines->setValue(row, ItemNo, query.value(2));
    lines->setValue(row, ItemName, query.value(3));
    lines->setValue(row, Quantity, query.value(4).toInt());
    lines->setValue(row, Refunded, query.value(5).toInt());
    lines->setValue(row, UomId, query.value(6));
    lines->setValue(row, Uom, query.value(7));
    lines->setValue(row, UnitPrice, Money::fromDecimal(query.value(8)).toDouble());
    lines->setValue(row, Discount, Money::fromDecimal(query.value(9)).toDouble());
    lines->setValue(row, Tax, Money::fromDecimal(query.value(10)).toDouble());
    if (!query.value(11).isNull())
        lines->setValue(row, Date, query.value(11).toDate());
}

QSqlError loadRows(cRefundGrid *lines, QSqlQuery &query, bool withRefund)
{
    lines->clear();
    if (!query.exec())
        return query.lastError();
    while (query.next())
        lines->addLine([&](int row) {
            fillRow(lines, row, query);
            if (withRefund) {
                lines->setValue(row, Refund, query.value(12).toInt());
                lines->setValue(row, DetailId, query.value(13));
            }
        });
    lines->markStored();
    return QSqlError();
}

void bindHeader(QSqlQuery &query, const Header &header)
{
    query.bindValue(QStringLiteral(":Date"), header.date);
    query.bindValue(QStringLiteral(":SubTotal"), header.subTotal.toDecimal());
    query.bindValue(QStringLiteral(":Freight"), header.freight.toDecimal());
    query.bindValue(QStringLiteral(":Total"), header.total.toDecimal());
    query.bindValue(QStringLiteral(":PaymentMethod"), header.paymentMethod);
    query.bindValue(QStringLiteral(":DepositPaid"), header.deposit.toDecimal());
    query.bindValue(QStringLiteral(":EmployeeId"), currentEmployeeId);
    query.bindValue(QStringLiteral(":Comment"), textOrNull(header.comment));
}

void bindLine(QSqlQuery &query, const cRefundGrid *lines, int row)
{
    query.bindValue(QStringLiteral(":Quantity"), lines->refund(row));
    query.bindValue(QStringLiteral(":UOMId"), lines->value(row, UomId));
    query.bindValue(QStringLiteral(":BasePrice"), lines->amount(row, UnitPrice).toDecimal());
    query.bindValue(QStringLiteral(":Discount"), lines->amount(row, Discount).toDecimal());
    query.bindValue(QStringLiteral(":Tax"), lines->amount(row, Tax).toDecimal());
    query.bindValue(QStringLiteral(":Price"), lines->lineTotal(row).toDecimal());
    const QDate date = lines->value(row, Date).toDate();
    query.bindValue(QStringLiteral(":ExpireDate"), date.isValid() ? QVariant(date) : QVariant(QVariant::Date));
}

// A refund line beyond what its invoice line holds (with all other refunds of it), or of
// another invoice than the refund's, fails the save.
void checkWithinInvoice(cDbSave &save, const Side &side, int refundId, int invoiceId)
{
    QSqlQuery beyond = save.prepare(sql(side, QStringLiteral(
        "SELECT COUNT(*) FROM {details} rd INNER JOIN {invoiceDetails} d ON rd.{invoiceDetailsId} = "
        "d.{invoiceDetailsId} WHERE rd.{refundId} = :refund AND (d.{invoiceId} <> :invoice OR (rd.Quantity > 0 "
        "AND d.Quantity < (SELECT SUM(o.Quantity) FROM {details} o WHERE o.{invoiceDetailsId} = "
        "d.{invoiceDetailsId})))")));
    beyond.bindValue(QStringLiteral(":refund"), refundId);
    beyond.bindValue(QStringLiteral(":invoice"), invoiceId);
    if (save.exec(beyond) && beyond.next() && beyond.value(0).toInt() > 0)
        save.failWith(QCoreApplication::translate("RefundStorage",
                                                  "Another refund of this invoice has been saved meanwhile: this one "
                                                  "would take back more than the invoice holds. Nothing was saved."));
}
} // namespace

QSqlError fillInvoices(QComboBox *invoices, const Side &side, const QVariant &partnerId)
{
    const QSqlError error = fillCombo(invoices, {},
                                      sql(side, QStringLiteral("select {invoiceId}, CONCAT_WS(': ', IFNULL({invoiceNo}, "
                                                               "'#'), Date) as Invoice From {invoice} Where "
                                                               "{partnerId} = :partner ORDER BY Date DESC, "
                                                               "{invoiceId} DESC")),
                                      {{QStringLiteral(":partner"), partnerId}});
    invoices->setCurrentIndex(-1);
    return error;
}

QSqlError loadInvoiceLines(cRefundGrid *lines, const Side &side, int invoiceId)
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(sql(side, QStringLiteral(
        "SELECT d.{invoiceDetailsId}, d.ItemId, items.ItemNo, items.ItemName, d.Quantity, (SELECT "
        "IFNULL(SUM(rd.Quantity), 0) FROM {details} rd INNER JOIN {refund} r ON rd.{refundId} = r.{refundId} "
        "WHERE r.{invoiceId} = d.{invoiceId} AND rd.{invoiceDetailsId} = d.{invoiceDetailsId}) AS Refunded, "
        "d.UOMId, uom.UOM, d.BasePrice, d.Discount, d.Tax, {lineDate} FROM {invoiceDetails} d INNER JOIN items "
        "ON d.ItemId = items.ItemId INNER JOIN uom ON d.UOMId = uom.UOMId WHERE d.{invoiceId} = :invoice "
        "ORDER BY d.{invoiceDetailsId}")));
    query.bindValue(QStringLiteral(":invoice"), invoiceId);
    return loadRows(lines, query, false);
}

bool loadHeader(const Side &side, int refundId, Header *header, QSqlError *error)
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(sql(side, QStringLiteral(
        "SELECT i.{partnerId}, r.{invoiceId}, r.Date, r.SubTotal, r.Freight, r.Total, r.PaymentMethod, "
        "r.DepositPaid, r.Comment FROM {refund} r INNER JOIN {invoice} i ON r.{invoiceId} = i.{invoiceId} "
        "WHERE r.{refundId} = :id")));
    query.bindValue(QStringLiteral(":id"), refundId);
    if (!query.exec()) {
        *error = query.lastError();
        return false;
    }
    if (!query.next())
        return false;
    header->partnerId = query.value(0);
    header->invoiceId = query.value(1).toInt();
    header->date = query.value(2);
    header->subTotal = Money::fromDecimal(query.value(3));
    header->freight = Money::fromDecimal(query.value(4));
    header->total = Money::fromDecimal(query.value(5));
    header->paymentMethod = query.value(6).toInt();
    header->deposit = Money::fromDecimal(query.value(7));
    header->comment = query.value(8).toString();
    return true;
}

QSqlError loadRefundLines(cRefundGrid *lines, const Side &side, int refundId)
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(sql(side, QStringLiteral(
        "SELECT rd.{invoiceDetailsId}, rd.ItemId, items.ItemNo, items.ItemName, d.Quantity, (SELECT "
        "IFNULL(SUM(o.Quantity), 0) FROM {details} o WHERE o.{invoiceDetailsId} = rd.{invoiceDetailsId} AND "
        "o.{detailsId} <> rd.{detailsId}) AS RefundedQty, rd.UOMId, uom.UOM, rd.BasePrice, rd.Discount, rd.Tax, "
        "rd.ExpireDate, rd.Quantity, rd.{detailsId} FROM {details} rd INNER JOIN {invoiceDetails} d ON "
        "rd.{invoiceDetailsId} = d.{invoiceDetailsId} INNER JOIN items ON rd.ItemId = items.ItemId INNER JOIN "
        "uom ON rd.UOMId = uom.UOMId WHERE rd.{refundId} = :id ORDER BY rd.{detailsId}")));
    query.bindValue(QStringLiteral(":id"), refundId);
    return loadRows(lines, query, true);
}

int write(cDbSave &save, const Side &side, const Header &header, int refundId, const cStoredRecord &loaded,
          const cRefundGrid *lines)
{
    save.lockStored(side.invoice, side.invoiceId, header.invoiceId);
    const bool adding = refundId <= 0;
    if (adding) {
        QSqlQuery insert = save.prepare(sql(side, QStringLiteral(
            "INSERT INTO {refund} ({invoiceId}, `Date`, SubTotal, Freight, Total, PaymentMethod, DepositPaid, "
            "EmployeeId, Comment) VALUES (:invoice, :Date, :SubTotal, :Freight, :Total, :PaymentMethod, "
            ":DepositPaid, :EmployeeId, :Comment)")));
        bindHeader(insert, header);
        insert.bindValue(QStringLiteral(":invoice"), header.invoiceId);
        save.exec(insert);
        refundId = save.lastInsertId();
    } else {
        // The invoice of a stored refund never changes.
        loaded.lockUnchanged(save, refundId);
        QSqlQuery update = save.prepare(sql(side, QStringLiteral(
            "UPDATE {refund} SET `Date` = :Date, SubTotal = :SubTotal, Freight = :Freight, Total = :Total, "
            "PaymentMethod = :PaymentMethod, DepositPaid = :DepositPaid, EmployeeId = :EmployeeId, "
            "Comment = :Comment WHERE {refundId} = :id")));
        bindHeader(update, header);
        update.bindValue(QStringLiteral(":id"), refundId);
        save.execOnStored(update);
    }
    // A new refund keeps only the lines that take something back; a stored one keeps all
    // its lines, also one set to 0.
    QSqlQuery insertLine = save.prepare(sql(side, QStringLiteral(
        "INSERT INTO {details} ({refundId}, {invoiceDetailsId}, ItemId, Quantity, UOMId, BasePrice, Discount, Tax, "
        "Price, ExpireDate) VALUES (:refund, :invoiceLine, :ItemId, :Quantity, :UOMId, :BasePrice, :Discount, "
        ":Tax, :Price, :ExpireDate)")));
    QSqlQuery updateLine = save.prepare(sql(side, QStringLiteral(
        "UPDATE {details} SET Quantity = :Quantity, UOMId = :UOMId, BasePrice = :BasePrice, Discount = :Discount, "
        "Tax = :Tax, Price = :Price, ExpireDate = :ExpireDate WHERE {detailsId} = :id AND {refundId} = :refund")));
    int stored = 0;
    for (int row = 0; row < lines->lineCount() && !save.failed(); ++row) {
        const QVariant detailId = lines->storedId(row);
        if (detailId.isValid()) {
            bindLine(updateLine, lines, row);
            updateLine.bindValue(QStringLiteral(":id"), detailId);
            updateLine.bindValue(QStringLiteral(":refund"), refundId);
            save.execOnStored(updateLine);
            ++stored;
        } else if (lines->refund(row) > 0) {
            bindLine(insertLine, lines, row);
            insertLine.bindValue(QStringLiteral(":refund"), refundId);
            insertLine.bindValue(QStringLiteral(":invoiceLine"), lines->value(row, InvoiceDetailId));
            insertLine.bindValue(QStringLiteral(":ItemId"), lines->value(row, ItemId));
            save.exec(insertLine);
            ++stored;
        }
    }
    checkWithinInvoice(save, side, refundId, header.invoiceId);
    DocumentLines::checkStoredLines(save, {side.refund, side.refundId, side.details, side.detailsId}, refundId, stored,
                                    header.subTotal);
    return refundId;
}

void keepRefundedLines(cDbSave &save, const Side &side, int invoiceId, const cLineGrid *lines,
                       const InvoiceLineColumns &columns)
{
    struct Refunded
    {
        int quantity;
        QVariant itemId;
        QVariant uomId;
        QString name;
    };
    QSqlQuery refunded = save.prepare(sql(side, QStringLiteral(
        "SELECT d.{invoiceDetailsId}, SUM(rd.Quantity), d.ItemId, d.UOMId, items.ItemName FROM {details} rd "
        "INNER JOIN {invoiceDetails} d ON rd.{invoiceDetailsId} = d.{invoiceDetailsId} LEFT JOIN items ON "
        "d.ItemId = items.ItemId WHERE d.{invoiceId} = :invoice GROUP BY d.{invoiceDetailsId}, d.ItemId, d.UOMId, "
        "items.ItemName LOCK IN SHARE MODE")));
    refunded.bindValue(QStringLiteral(":invoice"), invoiceId);
    if (!save.exec(refunded))
        return;
    QHash<QString, Refunded> byLine;
    while (refunded.next())
        byLine.insert(refunded.value(0).toString(), {refunded.value(1).toInt(), refunded.value(2), refunded.value(3),
                                                     refunded.value(4).toString()});
    if (byLine.isEmpty())
        return;
    for (const QVariant &id : lines->removedIds()) {
        const auto line = byLine.constFind(id.toString());
        if (line != byLine.constEnd()) {
            save.failWith(QCoreApplication::translate("RefundStorage", "The removed line (%1) has been refunded: %2 of "
                                                                       "it taken back. It cannot be removed. Nothing "
                                                                       "was saved.")
                              .arg(Direction::isolated(line->name), QString::number(line->quantity)));
            return;
        }
    }
    for (int row = 0; row < lines->lineCount(); ++row) {
        const auto line = byLine.constFind(lines->storedId(row).toString());
        if (line == byLine.constEnd())
            continue;
        if (lines->number(row, columns.quantity) < line->quantity
            || lines->value(row, columns.itemId).toString() != line->itemId.toString()
            || lines->value(row, columns.uomId).toString() != line->uomId.toString()) {
            save.failWith(QCoreApplication::translate("RefundStorage", "Line %1 (%2) has been refunded: %3 of it "
                                                                       "taken back. Its quantity cannot be lower, nor "
                                                                       "its item or unit change. Nothing was saved.")
                              .arg(QString::number(row + 1),
                                   Direction::isolated(lines->value(row, columns.name).toString()),
                                   QString::number(line->quantity)));
            return;
        }
    }
}

} // namespace RefundStorage
