#ifndef PAYMENTSTEPS_H
#define PAYMENTSTEPS_H

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>

class QWidget;

// A payment window as the benchmark opens it: built with no parent, as the main window's
// commands build it, then the partner with the most invoices chosen in its combo.
struct PaymentWindow
{
    QString name; // the step's name
    std::function<QWidget *()> open;
    const char *partnerCombo;
    // The active partner with the most invoices, the lowest id of equals.
    QString busiestPartnerSql;
};

// The customer and vendor payment windows, in the order of the table.
const QVector<PaymentWindow> &paymentWindows();

// The partner with the most invoices; an invalid QVariant when there is none.
QVariant busiestPartner(QSqlDatabase db, const PaymentWindow &payments);

// Chooses `partnerId` in the window's combo as a user would; false when the combo does
// not offer it.
bool choosePartner(QWidget *window, const PaymentWindow &payments, const QVariant &partnerId);

#endif // PAYMENTSTEPS_H
