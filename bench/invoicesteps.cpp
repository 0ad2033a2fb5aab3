#include "bench/invoicesteps.h"

#include "core/system/globals.h"
#include "purchasing/frmPurchaseInvoice.h"
#include "sales/invoices/frmSalesInvoice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariant>

const QVector<InvoiceWindow> &invoiceWindows()
{
    static const QVector<InvoiceWindow> windows{
        {QStringLiteral("sales invoice"), [] { return new frmSalesInvoice(nullptr); }, "cmbWarehouse", "cmbCustomer",
         "txtSalesInvoiceNo", QStringLiteral("salesinvoice"), QStringLiteral("salesinvoicedetails"),
         QStringLiteral("SalesInvoiceId"), QStringLiteral("SalesInvoiceNo"), &pickedSalesInvoiceId},
        {QStringLiteral("purchase invoice"), [] { return new frmPurchaseInvoice(nullptr); }, "cmbWarehouses",
         "cmbVendor", "txtPurchaseInvoiceNo", QStringLiteral("purchaseinvoice"), QStringLiteral("purchaseinvoicedetails"),
         QStringLiteral("PurchaseInvoiceId"), QStringLiteral("PurchaseInvoiceNo"), &pickedPurchaseInvoiceId},
    };
    return windows;
}

QString benchInvoiceNumber()
{
    return QStringLiteral("BENCH-100");
}

int benchInvoiceLines()
{
    return 100;
}

QStringList itemCodes(QSqlDatabase db, int count)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QStringList codes;
    if (!query.exec(QStringLiteral("SELECT Barcode FROM items WHERE IsActive = 1 AND Barcode <> '' GROUP BY Barcode "
                                   "HAVING COUNT(*) = 1 ORDER BY MIN(ItemId) LIMIT %1").arg(count)))
        return codes;
    while (query.next())
        codes << query.value(0).toString();
    return codes;
}

void writeInvoice(QWidget *window, const InvoiceWindow &invoice, const QStringList &codes)
{
    for (const char *name : {invoice.warehouseCombo, invoice.partnerCombo}) {
        if (auto *combo = window->findChild<QComboBox *>(QLatin1String(name))) {
            combo->setCurrentIndex(1); // the first after "<Add New>"
            emit combo->activated(1);
        }
    }
    if (auto *number = window->findChild<QLineEdit *>(QLatin1String(invoice.numberField)))
        number->setText(benchInvoiceNumber());
    if (auto *print = window->findChild<QAbstractButton *>(QStringLiteral("chkPrintInvoice")))
        print->setChecked(false);
    auto *barcode = window->findChild<QLineEdit *>(QStringLiteral("txtBarcode"));
    for (int line = 0; barcode && !codes.isEmpty() && line < benchInvoiceLines(); ++line) {
        barcode->setText(codes.at(line % codes.size()));
        emit barcode->returnPressed();
    }
}

bool removeBenchInvoice(QSqlDatabase db, const InvoiceWindow &invoice, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = :Number").arg(invoice.headerTable, invoice.numberColumn));
    query.bindValue(QStringLiteral(":Number"), benchInvoiceNumber());
    // InnoDB raises a next id set too low to the highest id plus one.
    const bool removed = query.exec()
                         && query.exec(QStringLiteral("ALTER TABLE %1 AUTO_INCREMENT = 1").arg(invoice.headerTable))
                         && query.exec(QStringLiteral("ALTER TABLE %1 AUTO_INCREMENT = 1").arg(invoice.linesTable));
    if (!removed)
        *error = query.lastError().text();
    return removed;
}

int benchInvoiceId(QSqlDatabase db, const InvoiceWindow &invoice)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT MAX(%1) FROM %2 WHERE %3 = :Number")
                      .arg(invoice.idColumn, invoice.headerTable, invoice.numberColumn));
    query.bindValue(QStringLiteral(":Number"), benchInvoiceNumber());
    if (!query.exec() || !query.next() || query.value(0).isNull())
        return -1;
    return query.value(0).toInt();
}

void pickFromListWhenShown(int *pickedId, int id)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto *list = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        const bool shown = list && list != before.data();
        if (!shown && clock->elapsed() < 600000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (shown) {
            *pickedId = id;
            list->accept();
        }
    });
    timer->start(0);
}
