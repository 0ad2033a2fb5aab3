#include "bench/paymentsteps.h"

#include "purchasing/frmPurchasingPayments.h"
#include "sales/invoices/frmSalesPayments.h"

#include <QComboBox>
#include <QSqlQuery>

const QVector<PaymentWindow> &paymentWindows()
{
    static const QVector<PaymentWindow> windows{
        {QStringLiteral("Customer payments, the customer with the most invoices"),
         [] { return new frmSalesPayments(nullptr); }, "cmbCustomers",
         QStringLiteral("SELECT salesinvoice.CustomerId FROM salesinvoice JOIN customers "
                        "ON customers.CustomerId = salesinvoice.CustomerId WHERE customers.IsActive = 1 "
                        "GROUP BY salesinvoice.CustomerId ORDER BY COUNT(*) DESC, salesinvoice.CustomerId LIMIT 1")},
        {QStringLiteral("Vendor payments, the vendor with the most invoices"),
         [] { return new frmPurchasingPayments(nullptr); }, "cmbVendors",
         QStringLiteral("SELECT purchaseinvoice.VendorId FROM purchaseinvoice JOIN vendors "
                        "ON vendors.VendorId = purchaseinvoice.VendorId WHERE vendors.IsActive = 1 "
                        "GROUP BY purchaseinvoice.VendorId ORDER BY COUNT(*) DESC, purchaseinvoice.VendorId LIMIT 1")},
    };
    return windows;
}

QVariant busiestPartner(QSqlDatabase db, const PaymentWindow &payments)
{
    QSqlQuery query(db);
    if (!query.exec(payments.busiestPartnerSql) || !query.next())
        return {};
    return query.value(0);
}

bool choosePartner(QWidget *window, const PaymentWindow &payments, const QVariant &partnerId)
{
    auto *combo = window->findChild<QComboBox *>(QLatin1String(payments.partnerCombo));
    const int index = combo && partnerId.isValid() ? combo->findData(partnerId.toInt()) : -1;
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}
