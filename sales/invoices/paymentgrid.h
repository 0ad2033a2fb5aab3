#ifndef PAYMENTGRID_H
#define PAYMENTGRID_H

#include "core/money.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

class cDbSave;
class QDate;
class QLineEdit;
class QTableWidget;
class QWidget;

// The grid of a partner's invoices in the customer and vendor payment windows.
namespace PaymentColumn {
enum { InvoiceId, InvoiceNo, InvoiceDate, Total, Paid, Debt, Payment, ColumnCount };
}

// What differs between paying sales invoices and paying purchase invoices.
struct PaymentBook
{
    // The partner's invoices, bound to ":PartyId": id, number, date, the total less the
    // part of its refunds not paid back, and what has been paid on it so far.
    QString invoicesSql;
    QString invoiceTable; // "salesinvoice"
    QString invoiceId;    // "SalesInvoiceId"
    // One payment: :InvoiceId, :PaymentDate, :PaymentMethod, :Amount, :Comment.
    QString insertSql;
};

// Shows the invoices of one customer or vendor with what each still owes, takes the
// amounts typed against them and stores them as payments, all of one save or none.
class cPaymentGrid : public QObject
{
    Q_OBJECT

public:
    cPaymentGrid(QTableWidget *table, QLineEdit *totalDebts, QLineEdit *totalPayments, const PaymentBook &book,
                 QObject *parent);

    // Shows the invoices of `partyId` that still owe something, or all of them with
    // `showFullPaid`, with empty payment cells; the debts shown add up in Total Debts.
    void load(const QVariant &partyId, bool showFullPaid);
    // Total Payments: the amounts typed so far, each that reads as an amount.
    void sumPayments();
    // Stores every amount typed, all in one transaction, and loads the invoices again.
    // Refuses, naming the invoice, an amount that is not one, is below 0 or is more than
    // the invoice still owes; on any failure tells why over `window`, stores nothing and
    // keeps what was typed. False then.
    bool save(QWidget *window, const QDate &date, int method, const QString &comment);

private:
    struct TypedPayment
    {
        int row;
        int invoiceId;
        Money amount;
    };
    bool readPayments(QWidget *window, QList<TypedPayment> *payments);
    bool refuse(QWidget *window, int row, const QString &text);
    QString invoiceName(int row) const;
    void writePayments(cDbSave &save, QList<TypedPayment> payments, const QDate &date, int method,
                       const QString &comment);
    void checkStoredDebts(cDbSave &save, const QList<TypedPayment> &payments);

    QTableWidget *table;
    QLineEdit *totalDebts;
    QLineEdit *totalPayments;
    PaymentBook book;
    // The partner whose invoices are shown, and whether the paid ones are among them.
    QVariant loadedParty;
    bool loadedFullPaid = false;
};

#endif // PAYMENTGRID_H
