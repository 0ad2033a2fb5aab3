#ifndef PAYMENTGRID_H
#define PAYMENTGRID_H

#include "core/db/money.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

class cDbSave;
class QCheckBox;
class QComboBox;
class QDate;
class QDateEdit;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
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
    QString paymentTable; // "salespayments", whose Comment column limits the comment
    // The active partners for the choice: id, then "name: contact person".
    QString partiesSql;
};

// The widgets of a payment window, under the names its form gives them.
struct PaymentForm
{
    QComboBox *parties;
    QCheckBox *showFullPaid;
    QDateEdit *date;
    QComboBox *method;
    QPlainTextEdit *comment;
    QLabel *commentLabel;
    QTableWidget *table;
    QLineEdit *totalDebts;
    QLineEdit *totalPayments;
};

// Shows the invoices of one customer or vendor with what each still owes, takes the
// amounts typed against them and stores them as payments, all of one save or none.
class cPaymentGrid : public QObject
{
    Q_OBJECT

public:
    // Sets up `window` as a payment window: today's date, the comment's limit and the
    // partner choice filled (a failed read told over `window`).
    cPaymentGrid(QDialog *window, const PaymentForm &form, const PaymentBook &book);

    // load() for the chosen partner, as the window's check box asks.
    void loadChosen();
    // save() of what the window holds, once every text fits its column. Date, payment
    // method and comment stay for the next payments.
    void saveTyped();

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
    void fitTextColumns();
    void fitAmountColumns();
    bool readPayments(QWidget *window, QList<TypedPayment> *payments);
    bool refuse(QWidget *window, int row, const QString &text);
    QString invoiceName(int row) const;
    void writePayments(cDbSave &save, QList<TypedPayment> payments, const QDate &date, int method,
                       const QString &comment);
    void checkStoredDebts(cDbSave &save, const QList<TypedPayment> &payments);

    QDialog *window;
    PaymentForm form;
    PaymentBook book;
    // The partner whose invoices are shown, and whether the paid ones are among them.
    QVariant loadedParty;
    bool loadedFullPaid = false;
};

#endif // PAYMENTGRID_H
