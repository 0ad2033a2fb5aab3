#include "core/system/globals.h"
#include "core/system/messages.h"
#include "purchasing/frmPurchaseInvoice.h"
#include "purchasing/frmPurchaseOrder.h"
#include "purchasing/frmPurchaseRefund.h"
#include "purchasing/purchasegrid.h"
#include "sales/invoices/frmSalesInvoice.h"
#include "sales/invoices/frmSalesRefund.h"
#include "sales/orders/frmSalesOrder.h"
#include "sales/orders/frmSalesQuote.h"
#include "sales/orders/salesgrid.h"
#include "trading/refundgrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>

#include <functional>
#include <memory>

using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
// Acme (Alice) buys and Farm (Vera) sells Rice (Each 2.50 or 3.00 Retail, Case 25.00),
// Tea (Each 19.99) and Gold (Each 60,000,000). Rice was last ordered and bought by the
// Case, earlier by the Each; Tea only ever by the Case. Stored: quote SQ-1 and invoice
// SI-1 (from order SO-2, paid in full) each sell two Rice at 2.00, below today's list;
// order SO-1 is not invoiced yet. PI-1 (from order PO-1) bought four Rice, its first
// line made on 1 February; SI-2 and PI-2, from no order, each hold two lines of one Gold.
const char *fixture[] = {
    "update warehouses set WarehouseName = 'Main', City = 'Cairo' where WarehouseId = 1",
    "insert into persons (PersonId, PersonName) values (10, 'Alice'), (11, 'Vera')",
    "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Acme', 10, b'1')",
    "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Farm', 11, b'1')",
    Fixture::foodCategory,
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) values "
    "(1, 'R-1', 'Rice', 1, 1, b'1'), (2, 'T-2', 'Tea', 1, 1, b'1'), (3, 'G-3', 'Gold', 1, 1, b'1')",
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 2.50), (1, 3, 1, 3.00), "
    "(1, 1, 2, 25.00), (2, 1, 1, 19.99), (3, 1, 1, 60000000.00)",
    "insert into salesquote (SalesQuoteId, SalesQuoteNo, EmployeeId, CustomerId, Date, Subtotal, Freight, Total) "
    "values (1, 'SQ-1', 1, 1, '2024-03-01', 4.00, 0, 4.00)",
    "insert into salesquotedetails (SalesQuoteId, ItemId, Quantity, UOMId, PriceTypeId, BasePrice, Discount, Tax, "
    "Price) values (1, 1, 2, 1, 1, 2.00, 0, 0, 4.00)",
    "insert into salesorder (SalesOrderId, SalesOrderNo, EmployeeId, CustomerId, Date, Subtotal, Freight, Total, "
    "PaymentMethod, DepositPaid) values (1, 'SO-1', 1, 1, '2024-03-01', 2.50, 0, 2.50, '0', 0), "
    "(2, 'SO-2', 1, 1, '2024-03-01', 4.00, 0, 4.00, '0', 0)",
    "insert into salesorderdetails (SalesOrderId, ItemId, Quantity, UOMId, PriceTypeId, BasePrice, Discount, Tax, "
    "Price) values (1, 1, 1, 1, 1, 2.50, 0, 0, 2.50), (2, 1, 2, 1, 1, 2.00, 0, 0, 4.00)",
    "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, SalesOrderId, EmployeeId, CustomerId, WarehouseId, "
    "Date, Subtotal, Freight, Total, PaymentMethod, DepositPaid) values "
    "(1, 'SI-1', 2, 1, 1, 1, '2024-03-01', 4.00, 0, 4.00, '0', 4.00), "
    "(2, 'SI-2', NULL, 1, 1, 1, '2024-03-02', NULL, 0, NULL, '0', 0)",
    "insert into salesinvoicedetails (SalesInvoiceId, ItemId, Quantity, UOMId, PriceTypeId, BasePrice, Discount, "
    "Tax, Price) values (1, 1, 2, 1, 1, 2.00, 0, 0, 4.00), (2, 3, 1, 1, 1, 60000000, 0, 0, 60000000), "
    "(2, 3, 1, 1, 1, 60000000, 0, 0, 60000000)",
    "insert into purchaseorder (PurchaseOrderId, PurchaseOrderNo, EmployeeId, VendorId, Date, ShipToWarehouseID) "
    "values (1, 'PO-1', 1, 1, '2024-01-01', 1), (2, 'PO-2', 1, 1, '2024-01-02', 1)",
    "insert into purchaseorderdetails (PurchaseOrderDetailsId, PurchaseOrderId, ItemId, Quantity, UOMId, BasePrice, "
    "Price) values (1, 1, 1, 1, 1, 2.10, 2.10), (2, 1, 1, 1, 2, 25.00, 25.00), (3, 1, 2, 1, 2, 30.00, 30.00), "
    "(4, 2, 3, 1, 1, 60000000, 60000000)",
    "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, PurchaseOrderId, EmployeeId, VendorId, Date, "
    "ShipToWarehouseID, Subtotal, Freight, Total, PaymentMethod, DepositPaid) values "
    "(1, 'PI-1', 1, 1, 1, '2024-03-01', 1, 63.40, 0, 63.40, '0', 0), "
    "(2, 'PI-2', NULL, 1, 1, '2024-03-02', 1, NULL, 0, NULL, '0', 0)",
    "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, Quantity, UOMId, "
    "BasePrice, Discount, Tax, Price, ProductionDate) values (1, 1, 1, 4, 1, 2.10, 0, 0, 8.40, '2024-02-01'), "
    "(2, 1, 1, 1, 2, 25.00, 0, 0, 25.00, NULL), (3, 1, 2, 1, 2, 30.00, 0, 0, 30.00, NULL), "
    "(4, 2, 3, 1, 1, 60000000, 0, 0, 60000000, NULL), (5, 2, 3, 1, 1, 60000000, 0, 0, 60000000, NULL)",
};

// The documents with a line grid, and where each keeps what it stores.
struct Document
{
    std::function<QDialog *()> make;
    QString header;
    QString headerId;
    QString details;
    QString detailsId;
    bool sales;
    bool refund;
};

Document document(const QString &name)
{
    static const QHash<QString, Document> documents{
        {"quote", {[] { return new frmSalesQuote(nullptr); }, "salesquote", "SalesQuoteId", "salesquotedetails",
                   "SalesQuoteDetailsId", true, false}},
        {"order", {[] { return new frmSalesOrder(nullptr); }, "salesorder", "SalesOrderId", "salesorderdetails",
                   "SalesOrderDetailsId", true, false}},
        {"invoice", {[] { return new frmSalesInvoice(nullptr); }, "salesinvoice", "SalesInvoiceId",
                     "salesinvoicedetails", "SalesInvoiceDetailsId", true, false}},
        {"purchase order", {[] { return new frmPurchaseOrder(nullptr); }, "purchaseorder", "PurchaseOrderId",
                            "purchaseorderdetails", "PurchaseOrderDetailsId", false, false}},
        {"purchase invoice", {[] { return new frmPurchaseInvoice(nullptr); }, "purchaseinvoice", "PurchaseInvoiceId",
                              "purchaseinvoicedetails", "PurchaseInvoiceDetailsId", false, false}},
        {"sales refund", {[] { return new frmSalesRefund(nullptr); }, "salesrefund", "SalesRefundId",
                          "salesrefunddetails", "SalesRefundDetailsId", true, true}},
        {"purchase refund", {[] { return new frmPurchaseRefund(nullptr); }, "purchaserefund", "PurchaseRefundId",
                             "purchaserefunddetails", "PurchaseRefundDetailsId", false, true}},
    };
    return documents.value(name);
}

// The document's window, shown.
std::unique_ptr<QDialog> open(const Document &document)
{
    std::unique_ptr<QDialog> window(document.make());
    window->show();
    return window;
}

QTableView *grid(QWidget *window)
{
    return window->findChild<QTableView *>("tblItems");
}

// A new document ready for its lines: its partner and its warehouse chosen; for a refund
// the partner's invoice with the two Gold lines.
void start(QWidget *window, const Document &document)
{
    if (document.refund) {
        choose(combo(window, document.sales ? "cmbCustomers" : "cmbVendor"),
               document.sales ? "Acme: Alice" : "Farm: Vera");
        choose(combo(window, "cmbInvoices"), document.sales ? "SI-2: 2024-03-02" : "PI-2: 2024-03-02");
        return;
    }
    choose(combo(window, document.sales ? "cmbCustomer" : "cmbVendor"), document.sales ? "Acme: Alice" : "Farm: Vera");
    for (const char *name : {"cmbWarehouse", "cmbWarehouses"})
        if (auto *warehouses = window->findChild<QComboBox *>(name))
            choose(warehouses, warehouses->itemText(1));
}

// A new document of `document`'s kind, ready for its lines, in a window filling the
// offscreen platform's screen: 800 x 600, the smallest the program is for.
std::unique_ptr<QDialog> startOnTheSmallestScreen(const Document &document)
{
    auto window = open(document);
    window->resize(window->screen()->availableGeometry().size());
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    start(window.get(), document);
    QCoreApplication::processEvents();
    return window;
}

// The column of a sales line, or of a purchase line, that holds the same.
int lineColumn(const Document &document, SalesLine::Column sales, PurchaseLine::Column purchase)
{
    return document.sales ? int(sales) : int(purchase);
}

int storedCount(const Document &document)
{
    return TestSupport::queryValue(QString("select count(*) from %1").arg(document.header)).toInt();
}

// `columns` of the newest stored line, a space between, "NULL" for an empty one.
QString newestLine(const Document &document, const QString &columns)
{
    return TestSupport::queryValue(QString("select concat_ws(' ', %1) from %2 order by %3 desc limit 1")
                                       .arg(columns, document.details, document.detailsId))
        .toString();
}

// The recorded boxes without the direction marks that keep names and amounts in order.
QString plainMessages()
{
    return messageLog().remove(QRegularExpression(QStringLiteral("[\\x{2066}-\\x{2069}]")));
}

QString amount(QWidget *window, const char *name)
{
    return QString::number(amountBox(window, name)->value(), 'f', 2);
}
} // namespace

class tst_documentlines : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cellEditorsStoreWhatTheyShow_data();
    void cellEditorsStoreWhatTheyShow();
    void headerAmountBeyondItsColumnIsRefused_data();
    void headerAmountBeyondItsColumnIsRefused();
    void storedLinesKeepTheirPrices_data();
    void storedLinesKeepTheirPrices();
    void depositIsNeverNegative_data();
    void depositIsNeverNegative();
    void dateStaysAsPicked_data();
    void dateStaysAsPicked();
    void newLineIsPricedInItsUnit_data();
    void newLineIsPricedInItsUnit();
    void discountBeyondTheLineIsRefused_data();
    void discountBeyondTheLineIsRefused();
    void loadedInvoiceShowsItsOwnOrder_data();
    void loadedInvoiceShowsItsOwnOrder();
    void refundItemReadsOnTheSmallestScreen_data();
    void refundItemReadsOnTheSmallestScreen();
    void refundNamesKeepTheirFirstCharacters_data();
    void refundNamesKeepTheirFirstCharacters();
    void repricingPastTheLimitIsRefused_data();
    void repricingPastTheLimitIsRefused();
    void storedAmountsShowAsStored_data();
    void storedAmountsShowAsStored();
};

void tst_documentlines::init()
{
    freshDocumentCompany(fixture);
}

// Every cell editor of the sales, purchase and refund grids, opened, given a value and
// left as a user does, stores what the cell shows; a chosen unit stores its own id.
void tst_documentlines::cellEditorsStoreWhatTheyShow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored"); // columns of the stored line
    QTest::addColumn<QString>("expected");

    QTest::newRow("order quantity") << "order" << int(SalesLine::Quantity) << "3" << "Quantity" << "3";
    QTest::newRow("order unit") << "order" << int(SalesLine::Uom) << "Case" << "UOMId" << "2";
    QTest::newRow("order price type") << "order" << int(SalesLine::PriceType) << "Retail" << "PriceTypeId" << "3";
    QTest::newRow("order unit price") << "order" << int(SalesLine::UnitPrice) << "4.75" << "BasePrice, Price"
                                      << "4.75 4.75";
    QTest::newRow("order discount") << "order" << int(SalesLine::Discount) << "1.25" << "Discount, Price"
                                    << "1.25 1.25";
    QTest::newRow("order tax") << "order" << int(SalesLine::Tax) << "0.5" << "Tax, Price" << "0.50 3.00";
    QTest::newRow("quote unit") << "quote" << int(SalesLine::Uom) << "Case" << "UOMId, BasePrice" << "2 25.00";
    QTest::newRow("quote price type") << "quote" << int(SalesLine::PriceType) << "Retail" << "PriceTypeId, BasePrice"
                                      << "3 3.00";
    QTest::newRow("invoice unit") << "invoice" << int(SalesLine::Uom) << "Case" << "UOMId, BasePrice" << "2 25.00";
    QTest::newRow("invoice price type") << "invoice" << int(SalesLine::PriceType) << "Retail"
                                        << "PriceTypeId, BasePrice" << "3 3.00";
    for (const char *name : {"purchase order", "purchase invoice"}) {
        const QString row = QString(name) + ' ';
        QTest::newRow(qPrintable(row + "quantity")) << name << int(PurchaseLine::Quantity) << "3" << "Quantity" << "3";
        QTest::newRow(qPrintable(row + "unit")) << name << int(PurchaseLine::Uom) << "Case" << "UOMId" << "2";
        QTest::newRow(qPrintable(row + "unit price")) << name << int(PurchaseLine::UnitPrice) << "4.75"
                                                      << "BasePrice, Price" << "4.75 4.75";
        QTest::newRow(qPrintable(row + "discount")) << name << int(PurchaseLine::Discount) << "1.25"
                                                    << "Discount, Price" << "1.25 0.85";
        QTest::newRow(qPrintable(row + "tax")) << name << int(PurchaseLine::Tax) << "0.5" << "Tax, Price"
                                               << "0.50 2.60";
    }
    QTest::newRow("purchase invoice production date")
        << "purchase invoice" << int(PurchaseLine::Date) << "2024-05-01" << "ProductionDate" << "2024-05-01";
    QTest::newRow("sales refund quantity") << "sales refund" << int(RefundLine::Refund) << "1" << "Quantity, Price"
                                           << "1 60000000.00";
    QTest::newRow("purchase refund quantity") << "purchase refund" << int(RefundLine::Refund) << "1"
                                              << "Quantity, Price" << "1 60000000.00";
}

void tst_documentlines::cellEditorsStoreWhatTheyShow()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    const Document document = ::document(name);
    auto window = open(document);
    start(window.get(), document);
    if (!document.refund)
        addItem(window.get(), 1);
    const QDate date = QDate::fromString(value, Qt::ISODate);
    QVERIFY(editCell(grid(window.get()), 0, column, date.isValid() ? QVariant(date) : QVariant(value)));
    const QString shown = lines(window.get())->index(0, column).data(Qt::DisplayRole).toString();
    if (!date.isValid() && !value.contains('.'))
        QCOMPARE(shown, value);

    click(window.get(), "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(newestLine(document, stored), expected);
}

// An amount of the header that its column cannot hold is refused by its name: nothing
// is stored and the document stays as typed.
void tst_documentlines::headerAmountBeyondItsColumnIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("freight"); // one line and a freight, else two lines
    QTest::addColumn<QString>("subtotal");
    QTest::addColumn<QString>("refused");

    for (const char *name :
         {"quote", "order", "invoice", "purchase order", "purchase invoice", "sales refund", "purchase refund"}) {
        QTest::newRow(qPrintable(QString(name) + ", two lines")) << name << false << "120000000.00"
                                                                 << "Subtotal (120000000.00)";
        QTest::newRow(qPrintable(QString(name) + ", freight")) << name << true << "60000000.00"
                                                               << "Total (110000000.00)";
    }
}

void tst_documentlines::headerAmountBeyondItsColumnIsRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, freight);
    QFETCH(QString, subtotal);
    QFETCH(QString, refused);
    const Document document = ::document(name);
    const int before = storedCount(document);
    auto window = open(document);
    start(window.get(), document);
    for (int line = 0; line < (freight ? 1 : 2); ++line) {
        if (document.refund)
            QVERIFY(editCell(grid(window.get()), line, RefundLine::Refund, "1"));
        else
            addItem(window.get(), 3);
    }
    if (freight)
        amountBox(window.get(), "txtFreight")->setValue(50000000);

    click(window.get(), "btnSave");
    QCOMPARE(plainMessages(), messageEntry(Messages::Critical, QString("The %1 is larger than a document can hold. "
                                                                       "Nothing was saved.").arg(refused)));
    QCOMPARE(storedCount(document), before);
    QCOMPARE(state(window.get()), QString("add"));
    QCOMPARE(amount(window.get(), "txtSubTotal"), subtotal);
}

// Saving a stored document again stores its lines at the prices they were saved with,
// however the list moved since, unless the line's unit or price type changed.
void tst_documentlines::storedLinesKeepTheirPrices_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("column"); // the line's cell chosen anew; -1 for none
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("line");   // base price and price as stored
    QTest::addColumn<QString>("header"); // subtotal, total and the deposit, where one is

    QTest::newRow("invoice, comment only") << "invoice" << "SI-1" << -1 << "" << "2.00 4.00" << "4.00 4.00 4.00";
    QTest::newRow("invoice, unit chosen") << "invoice" << "SI-1" << int(SalesLine::Uom) << "Case" << "25.00 50.00"
                                          << "50.00 50.00 50.00";
    QTest::newRow("invoice, price type chosen") << "invoice" << "SI-1" << int(SalesLine::PriceType) << "Retail"
                                                << "3.00 6.00" << "6.00 6.00 6.00";
    QTest::newRow("quote, comment only") << "quote" << "SQ-1" << -1 << "" << "2.00 4.00" << "4.00 4.00";
    QTest::newRow("quote, unit chosen") << "quote" << "SQ-1" << int(SalesLine::Uom) << "Case" << "25.00 50.00"
                                        << "50.00 50.00";
    QTest::newRow("order, comment only") << "order" << "SO-2" << -1 << "" << "2.00 4.00" << "4.00 4.00 0.00";
}

void tst_documentlines::storedLinesKeepTheirPrices()
{
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(int, column);
    QFETCH(QString, choice);
    QFETCH(QString, line);
    QFETCH(QString, header);
    const Document document = ::document(name);
    auto window = open(document);
    openStored(window.get(), number);
    QCOMPARE(state(window.get()), QString("edit"));
    window->findChild<QPlainTextEdit *>("txtComment")->setPlainText("looked at");
    if (column >= 0)
        QVERIFY(editCell(grid(window.get()), 0, column, choice));

    click(window.get(), "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue(QString("select concat_ws(' ', BasePrice, Price) from %1 where %2 = (select %2 "
                                             "from %3 where Comments = 'looked at')")
                                         .arg(document.details, document.headerId, document.header))
                 .toString(),
             line);
    const bool hasDeposit = name != "quote";
    QCOMPARE(TestSupport::queryValue(QString("select concat_ws(' ', Subtotal, Total%1) from %2 where Comments = "
                                             "'looked at'")
                                         .arg(hasDeposit ? ", DepositPaid" : "", document.header))
                 .toString(),
             header);
}

// A deposit is money paid: its field takes no minus.
void tst_documentlines::depositIsNeverNegative_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"order", "invoice", "purchase invoice", "sales refund", "purchase refund"})
        QTest::newRow(name) << name;
}

void tst_documentlines::depositIsNeverNegative()
{
    QFETCH(QString, name);
    auto window = open(document(name));
    QDoubleSpinBox *deposit = amountBox(window.get(), "txtDeposit");
    deposit->selectAll();
    QTest::keyClicks(deposit, "-50");
    deposit->interpretText();
    QCOMPARE(deposit->value(), 50.0);
    QCOMPARE(deposit->minimum(), 0.0);
}

// A production date is stored as the user picked it, or empty: never a date that merely
// passing through the cell put there.
void tst_documentlines::dateStaysAsPicked_data()
{
    QTest::addColumn<QString>("number"); // the stored invoice changed; empty for a new one
    QTest::addColumn<QString>("picked"); // a date, "" when only passing through, "empty" to empty it
    QTest::addColumn<QString>("stored");

    QTest::newRow("passed through") << "" << "" << "NULL";
    QTest::newRow("picked") << "" << "2024-05-01" << "2024-05-01";
    QTest::newRow("stored date passed through") << "PI-1" << "" << "2024-02-01";
    QTest::newRow("stored date emptied") << "PI-1" << "empty" << "NULL";
    QTest::newRow("stored date picked anew") << "PI-1" << "2024-05-01" << "2024-05-01";
}

void tst_documentlines::dateStaysAsPicked()
{
    QFETCH(QString, number);
    QFETCH(QString, picked);
    QFETCH(QString, stored);
    const Document document = ::document("purchase invoice");
    auto window = open(document);
    if (number.isEmpty()) {
        start(window.get(), document);
        addItem(window.get(), 1);
    } else {
        openStored(window.get(), number);
    }
    const QVariant value = picked == "empty" ? QVariant(QDate())
                           : picked.isEmpty() ? QVariant()
                                              : QVariant(QDate::fromString(picked, Qt::ISODate));
    QVERIFY(editCell(grid(window.get()), 0, PurchaseLine::Date, value));

    click(window.get(), "btnSave");
    QCOMPARE(messageLog(), QString());
    const QString line = number.isEmpty() ? "order by PurchaseInvoiceDetailsId desc limit 1"
                                          : "where PurchaseInvoiceDetailsId = 1";
    QCOMPARE(TestSupport::queryValue("select ifnull(ProductionDate, 'NULL') from purchaseinvoicedetails " + line)
                 .toString(),
             stored);
}

// A new purchase line is priced at what the item last cost in the line's own unit.
void tst_documentlines::newLineIsPricedInItsUnit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("shown"); // unit and unit price

    for (const char *name : {"purchase order", "purchase invoice"}) {
        QTest::newRow(qPrintable(QString(name) + ", bought by the Each before the Case")) << name << 1 << "Each 2.10";
        QTest::newRow(qPrintable(QString(name) + ", never bought by the Each")) << name << 2 << "Each _";
    }
}

void tst_documentlines::newLineIsPricedInItsUnit()
{
    QFETCH(QString, name);
    QFETCH(int, item);
    QFETCH(QString, shown);
    auto window = open(document(name));
    addItem(window.get(), item);
    QCOMPARE(lineTexts(window.get(), {int(PurchaseLine::Uom), int(PurchaseLine::UnitPrice)}), shown);
}

// Two Rice at 2.50: a discount of more than 5.00 is refused by the line's number and item.
void tst_documentlines::discountBeyondTheLineIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("refused"); // empty when the line is stored

    for (const char *name : {"quote", "order", "invoice", "purchase order", "purchase invoice"}) {
        QTest::newRow(qPrintable(QString(name) + ", beyond")) << name << "5.01"
                                                              << "The discount of line 1 (Rice) is more than the "
                                                                 "line's amount.";
        QTest::newRow(qPrintable(QString(name) + ", the whole line")) << name << "5" << "";
    }
}

void tst_documentlines::discountBeyondTheLineIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, discount);
    QFETCH(QString, refused);
    const Document document = ::document(name);
    const int before = storedCount(document);
    auto window = open(document);
    start(window.get(), document);
    addItem(window.get(), 1);
    QTableView *view = grid(window.get());
    QVERIFY(editCell(view, 0, lineColumn(document, SalesLine::Quantity, PurchaseLine::Quantity), "2"));
    QVERIFY(editCell(view, 0, lineColumn(document, SalesLine::UnitPrice, PurchaseLine::UnitPrice), "2.5"));
    QVERIFY(editCell(view, 0, lineColumn(document, SalesLine::Discount, PurchaseLine::Discount), discount));

    click(window.get(), "btnSave");
    if (refused.isEmpty()) {
        QCOMPARE(messageLog(), QString());
        QCOMPARE(newestLine(document, "Discount, Price"), QString("5.00 0.00"));
    } else {
        QCOMPARE(plainMessages(), messageEntry(Messages::Critical, refused));
        QCOMPARE(storedCount(document), before);
        QCOMPARE(state(window.get()), QString("add"));
    }
}

// After a search for another order, a loaded invoice shows the order it was made from.
void tst_documentlines::loadedInvoiceShowsItsOwnOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("searched"); // the order searched for first
    QTest::addColumn<QString>("invoice");
    QTest::addColumn<QString>("order");

    QTest::newRow("sales, made from an order") << "invoice" << "SO-1" << "SI-1" << "SO-2";
    QTest::newRow("sales, made from none") << "invoice" << "SO-1" << "SI-2" << "";
    QTest::newRow("purchase, made from an order") << "purchase invoice" << "PO-2" << "PI-1" << "PO-1";
    QTest::newRow("purchase, made from none") << "purchase invoice" << "PO-2" << "PI-2" << "";
}

void tst_documentlines::loadedInvoiceShowsItsOwnOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, searched);
    QFETCH(QString, invoice);
    QFETCH(QString, order);
    const Document document = ::document(name);
    auto window = open(document);
    start(window.get(), document);
    const char *field = document.sales ? "txtSalesOrderNo" : "txtPurchaseOrderNo";
    searchByNumber(window.get(), field, searched, "btnSearchOrder");
    QCOMPARE(lines(window.get())->rowCount(), 2);

    openStored(window.get(), invoice);
    QCOMPARE(messageLog(), QString());
    QCOMPARE(text(window.get(), field), order);
}

// On the smallest screen, in either language, a refund's Item column keeps its header and
// an ordinary name ("Gold") whole as the other text columns give way.
void tst_documentlines::refundItemReadsOnTheSmallestScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("arabic");

    for (const char *name : {"sales refund", "purchase refund"})
        for (bool arabic : {false, true})
            QTest::addRow("%s, %s", name, arabic ? "Arabic" : "English") << name << arabic;
}

void tst_documentlines::refundItemReadsOnTheSmallestScreen()
{
    QFETCH(QString, name);
    QFETCH(bool, arabic);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    const auto window = startOnTheSmallestScreen(::document(name));
    QVERIFY(window);

    QTableView *view = grid(window.get());
    QList<int> others;
    for (int column = 0; column < RefundLine::ColumnCount; ++column)
        if (column != RefundLine::ItemName)
            others << column;
    const QString item = view->model()->headerData(RefundLine::ItemName, Qt::Horizontal).toString();
    QCOMPARE(cutColumns(view, others).split(", ").filter(QRegularExpression("^" + item + ":")).join(", "), QString());
}

void tst_documentlines::refundNamesKeepTheirFirstCharacters_data()
{
    refundItemReadsOnTheSmallestScreen_data();
}

// A long item name among the refund's many amount columns on the smallest screen shows
// its first 12 characters, and the grid scrolls sideways to the columns past its edge.
void tst_documentlines::refundNamesKeepTheirFirstCharacters()
{
    QFETCH(QString, name);
    QFETCH(bool, arabic);
    EXEC_SQL("update items set ItemName = 'Full Cream Milk 1 Litre Bottle Pack' where ItemId = 3");
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    const auto window = startOnTheSmallestScreen(::document(name));
    QVERIFY(window);

    QTableView *view = grid(window.get());
    QCOMPARE(namesCutShort(view, RefundLine::ItemName), QString());
    QVERIFY2(reachesEveryColumn(view), qPrintable(cutColumns(view)));
}

// A new unit or price type that re-prices a line past what a line holds is refused as a
// typed amount would be, naming the choice and the line: the line and every amount of the
// window stay as they were. A choice within the limit re-prices the line and its totals.
void tst_documentlines::repricingPastTheLimitIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("field"); // "unit" or "price type"
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("line");     // quantity, unit, unit price and price after the choice
    QTest::addColumn<QString>("subtotal"); // after the choice; empty where it is refused

    // Rice: 4,000,000 Each are worth 8.4 or 10 million, as many Cases more than a line holds.
    for (const char *name : {"purchase order", "purchase invoice"}) {
        QTest::newRow(qPrintable(QString(name) + ", unit past the limit"))
            << name << "4000000" << "unit" << "Case" << "4000000 Each 2.10 8400000.00" << "";
        QTest::newRow(qPrintable(QString(name) + ", unit within it"))
            << name << "2" << "unit" << "Case" << "2 Case 25.00 50.00" << "50.00";
    }
    for (const char *name : {"quote", "order", "invoice"}) {
        QTest::newRow(qPrintable(QString(name) + ", unit past the limit"))
            << name << "4000000" << "unit" << "Case" << "4000000 Each 2.50 10000000.00" << "";
        QTest::newRow(qPrintable(QString(name) + ", unit within it"))
            << name << "2" << "unit" << "Case" << "2 Case 25.00 50.00" << "50.00";
    }
    // 35,000,000 Rice are worth 87.5 million at the Bulk price, 105 million at Retail.
    for (const char *name : {"quote", "invoice"}) {
        QTest::newRow(qPrintable(QString(name) + ", price type past the limit"))
            << name << "35000000" << "price type" << "Retail" << "35000000 Each 2.50 87500000.00" << "";
        QTest::newRow(qPrintable(QString(name) + ", price type within it"))
            << name << "2" << "price type" << "Retail" << "2 Each 3.00 6.00" << "6.00";
    }
}

void tst_documentlines::repricingPastTheLimitIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, quantity);
    QFETCH(QString, field);
    QFETCH(QString, choice);
    QFETCH(QString, line);
    QFETCH(QString, subtotal);
    const Document document = ::document(name);
    auto window = open(document);
    start(window.get(), document);
    addItem(window.get(), 1);
    const QList<int> shown{lineColumn(document, SalesLine::Quantity, PurchaseLine::Quantity),
                           lineColumn(document, SalesLine::Uom, PurchaseLine::Uom),
                           lineColumn(document, SalesLine::UnitPrice, PurchaseLine::UnitPrice),
                           lineColumn(document, SalesLine::Price, PurchaseLine::Price)};
    QVERIFY(editCell(grid(window.get()), 0, shown.first(), quantity));
    // Subtotal, total, a deposit that follows the total, the debt.
    const auto amounts = [&window] {
        QStringList values;
        for (const QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>(QRegularExpression("^txt")))
            values << box->objectName() + ' ' + QString::number(box->value(), 'f', 2);
        return values.join(", ");
    };
    const QString amountsBefore = amounts();
    QCOMPARE(messageLog(), QString());

    const int chosen = field == "unit" ? shown.at(1) : int(SalesLine::PriceType);
    QVERIFY(editCell(grid(window.get()), 0, chosen, choice));

    QCOMPARE(lineTexts(window.get(), shown), line);
    if (!subtotal.isEmpty()) {
        QCOMPARE(messageLog(), QString());
        QCOMPARE(amount(window.get(), "txtSubTotal"), subtotal);
        return;
    }
    const QString header = lines(window.get())->headerData(chosen, Qt::Horizontal).toString();
    QCOMPARE(plainMessages(), messageEntry(Messages::Critical, QString("%1 %2 is refused: with it, line 1 (Rice) would "
                                                                       "come to more than the document can hold.")
                                                                   .arg(header, choice)));
    QCOMPARE(amounts(), amountsBefore);
}

// A stored document whose lines come to more than its fields were made for is refused
// by name when saved, and shows what its lines come to, never a figure clipped to a
// field's limit.
void tst_documentlines::storedAmountsShowAsStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("stored"); // two lines of 1,000,000 Gold at 99,999,999.99, unless named
    QTest::addColumn<QString>("shown");      // as the list shows it
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("amounts"); // the first line's price, the subtotal and the total

    const QString twoLarge = "99999999990000.00 199999999980000.00 199999999980000.00";

    const QString lineRefused = "The price of line 1 (Gold) is larger than a line can hold.";
    const QString salesLines = "(9, 3, 1000000, 1, 1, 99999999.99, 0, 0, 99999999.99)";
    QTest::newRow("quote") << "quote"
                           << QStringList{"insert into salesquote (SalesQuoteId, SalesQuoteNo, EmployeeId, "
                                          "CustomerId, Date) values (9, 'SQ-9', 1, 1, '2024-03-09')",
                                          "insert into salesquotedetails (SalesQuoteId, ItemId, Quantity, UOMId, "
                                          "PriceTypeId, BasePrice, Discount, Tax, Price) values "
                                              + salesLines + ", " + salesLines}
                           << "SQ-9" << lineRefused << twoLarge;
    QTest::newRow("order") << "order"
                           << QStringList{"insert into salesorder (SalesOrderId, SalesOrderNo, EmployeeId, "
                                          "CustomerId, Date, DepositPaid) values (9, 'SO-9', 1, 1, '2024-03-09', 0)",
                                          "insert into salesorderdetails (SalesOrderId, ItemId, Quantity, UOMId, "
                                          "PriceTypeId, BasePrice, Discount, Tax, Price) values "
                                              + salesLines + ", " + salesLines}
                           << "SO-9" << lineRefused << twoLarge;
    const QString invoice = "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, EmployeeId, CustomerId, "
                            "WarehouseId, Date, DepositPaid) values (9, 'SI-9', 1, 1, 1, '2024-03-09', 0)";
    const QString invoiceLines = "insert into salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, "
                                 "Quantity, UOMId, PriceTypeId, BasePrice, Discount, Tax, Price) values "
                                 "(9, 9, 3, 1000000, 1, 1, 99999999.99, 0, 0, 99999999.99), "
                                 "(10, 9, 3, 1000000, 1, 1, 99999999.99, 0, 0, 99999999.99)";
    QTest::newRow("invoice") << "invoice" << QStringList{invoice, invoiceLines} << "SI-9" << lineRefused << twoLarge;
    const QString purchaseLines = "(9, 3, 1000000, 1, 99999999.99, 0, 0, 99999999.99)";
    QTest::newRow("purchase order")
        << "purchase order"
        << QStringList{"insert into purchaseorder (PurchaseOrderId, PurchaseOrderNo, EmployeeId, VendorId, Date, "
                       "ShipToWarehouseID) values (9, 'PO-9', 1, 1, '2024-03-09', 1)",
                       "insert into purchaseorderdetails (PurchaseOrderId, ItemId, Quantity, UOMId, BasePrice, "
                       "Discount, Tax, Price) values " + purchaseLines + ", " + purchaseLines}
        << "PO-9" << lineRefused << twoLarge;
    const QString purchaseInvoice = "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, EmployeeId, "
                                    "VendorId, Date, ShipToWarehouseID, DepositPaid) values "
                                    "(9, 'PI-9', 1, 1, '2024-03-09', 1, 0)";
    const QString purchaseInvoiceLines = "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, "
                                         "PurchaseInvoiceId, ItemId, Quantity, UOMId, BasePrice, Discount, Tax, "
                                         "Price) values (9, 9, 3, 1000000, 1, 99999999.99, 0, 0, 99999999.99), "
                                         "(10, 9, 3, 1000000, 1, 99999999.99, 0, 0, 99999999.99)";
    QTest::newRow("purchase invoice") << "purchase invoice" << QStringList{purchaseInvoice, purchaseInvoiceLines}
                                      << "PI-9" << lineRefused << twoLarge;
    // A refund of both lines whole.
    const QString subtotalRefused = "The Subtotal (199999999980000.00) is larger than a document can hold. "
                                    "Nothing was saved.";
    QTest::newRow("sales refund")
        << "sales refund"
        << QStringList{invoice, invoiceLines,
                       "insert into salesrefund (SalesRefundId, SalesInvoiceId, EmployeeId, Date, DepositPaid) "
                       "values (9, 9, 1, '2024-03-10', 0)",
                       "insert into salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId, Quantity, "
                       "UOMId, BasePrice, Discount, Tax, Price) values (9, 9, 3, 1000000, 1, 99999999.99, 0, 0, "
                       "99999999.99), (9, 10, 3, 1000000, 1, 99999999.99, 0, 0, 99999999.99)"}
        << "Acme" << subtotalRefused << twoLarge;
    QTest::newRow("purchase refund")
        << "purchase refund"
        << QStringList{purchaseInvoice, purchaseInvoiceLines,
                       "insert into purchaserefund (PurchaseRefundId, PurchaseInvoiceId, EmployeeId, Date, "
                       "DepositPaid) values (9, 9, 1, '2024-03-10', 0)",
                       "insert into purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId, "
                       "Quantity, UOMId, BasePrice, Discount, Tax, Price) values (9, 9, 3, 1000000, 1, 99999999.99, "
                       "0, 0, 99999999.99), (9, 10, 3, 1000000, 1, 99999999.99, 0, 0, 99999999.99)"}
        << "Farm" << subtotalRefused << twoLarge;
    QTest::newRow("purchase order, 101 lines that each fit")
        << "purchase order"
        << QStringList{"insert into purchaseorder (PurchaseOrderId, PurchaseOrderNo, EmployeeId, VendorId, Date, "
                       "ShipToWarehouseID) values (9, 'PO-9', 1, 1, '2024-03-09', 1)",
                       "insert into purchaseorderdetails (PurchaseOrderId, ItemId, Quantity, UOMId, BasePrice, "
                       "Discount, Tax, Price) select 9, 3, 1, 1, 99999999.99, 0, 0, 99999999.99 from seq_1_to_101"}
        << "PO-9" << "The Subtotal (10099999998.99) is larger than a document can hold. Nothing was saved."
        << "99999999.99 10099999998.99 10099999998.99";
}

void tst_documentlines::storedAmountsShowAsStored()
{
    QFETCH(QString, name);
    QFETCH(QStringList, stored);
    QFETCH(QString, shown);
    QFETCH(QString, refused);
    QFETCH(QString, amounts);
    const Document document = ::document(name);
    for (const QString &statement : stored)
        EXEC_SQL(statement);
    const QString before = TestSupport::queryValue(QString("select concat_ws(' ', count(*), sum(Price)) from %1")
                                                       .arg(document.details))
                               .toString();
    auto window = open(document);
    openStored(window.get(), shown);
    QCOMPARE(messageLog(), QString());

    // Save recalculates first: from then on every window shows what the lines come to.
    click(window.get(), "btnSave");
    QCOMPARE(plainMessages(), messageEntry(Messages::Critical, refused));
    QCOMPARE(state(window.get()), QString("edit"));
    QCOMPARE(TestSupport::queryValue(QString("select concat_ws(' ', count(*), sum(Price)) from %1")
                                         .arg(document.details))
                 .toString(),
             before);
    const int price =
        document.refund ? int(RefundLine::Price) : lineColumn(document, SalesLine::Price, PurchaseLine::Price);
    QCOMPARE(lineTexts(window.get(), {price}, document.refund).section(" / ", 0, 0) + ' '
                 + amount(window.get(), "txtSubTotal") + ' ' + amount(window.get(), "txtTotal"),
             amounts);
}

ZARPO_TEST_MAIN(tst_documentlines)
#include "tst_documentlines.moc"
