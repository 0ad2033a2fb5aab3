#include "accounting/frmAccountsView.h"
#include "accounting/frmCurrenciesView.h"
#include "accounting/frmFiscalYearView.h"
#include "accounting/frmGeneralJournalView.h"
#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "core/widgets/screenfit.h"
#include "items/frmCategoriesView.h"
#include "items/frmInventory.h"
#include "items/frmItemCapital.h"
#include "items/frmItemsView.h"
#include "items/frmUOMView.h"
#include "partners/frmCustomersView.h"
#include "partners/frmDepartmentsView.h"
#include "partners/frmEmployeesView.h"
#include "partners/frmPersonsView.h"
#include "partners/frmUsersView.h"
#include "partners/frmVendorsView.h"
#include "purchasing/frmPurchaseInvoiceView.h"
#include "purchasing/frmPurchaseOrderView.h"
#include "purchasing/frmPurchaseRefundView.h"
#include "sales/invoices/frmSalesInvoiceView.h"
#include "sales/invoices/frmSalesRefundView.h"
#include "sales/orders/frmSalesOrderView.h"
#include "sales/orders/frmSalesQuoteView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QDialog>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QToolTip>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <functional>
#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
// What every list window does, a row per window: its fixture, the rows it shows, the
// row that another table refers to and one that none does, and the editor's field that
// shows the record it was opened for.
struct ListWindow
{
    const char *name;
    std::function<QDialog *()> open;
    QStringList fixture;
    QStringList rows;
    QString headers;
    QString referenced; // empty where nothing can refer to a record
    QString unused;
    QString question; // "%1": the chosen row's name
    const char *editorClass;
    const char *editorField;
    // A list that only hands the chosen record over: where it goes, and the id of the
    // unused row.
    int *picked = nullptr;
    int unusedId = 0;
};

const QList<ListWindow> &listWindows()
{
    static const QList<ListWindow> windows{
        {"vendors", [] { return new frmVendorsView(nullptr); },
         {"insert into vendors (VendorId, VendorName, VendorSince, IsActive, Notes) values "
          "(1, 'Nile', '2020-05-01', b'1', 'net 30'), (2, 'Delta', '2021-12-24', b'1', NULL), "
          "(3, 'Old', NULL, b'0', NULL)",
          "insert into purchaseorder (PurchaseOrderNo, VendorId) values ('1', 2)"},
         {"Nile|1/5/2020|net 30", "Delta|24/12/2021|"}, "Vendor Name,Vendor Since,Notes", "Delta", "Nile",
         msgDelete, "frmVendors", "txtVendorName"},
        {"departments", [] { return new frmDepartmentsView(nullptr); },
         {"insert into departments (DepartmentId, Department) values (1, 'Sales'), (2, 'Stores')",
          "update employees set DepartmentId = 1 where EmployeeId = 1"},
         {"Sales", "Stores"}, "Department", "Sales", "Stores", msgDelete, "frmDepartments", "txtDepartment"},
        {"currencies", [] { return new frmCurrenciesView(nullptr); }, {},
         {"Egyptian Pound|EGP", "USD|$", "Euro|E"}, "Currency,Symbol", "Egyptian Pound", "Euro",
         msgDelete + ": %1", "frmCurrencies", "txtCurrency"},
        // No foreign key guards a category: the list itself refuses one that items name.
        {"categories", [] { return new frmCategoriesView(nullptr); },
         {"insert into itemcategories (ItemCategoryId, Category) values (1, 'Food'), (2, 'Tools')",
          "insert into items (ItemName, CategoryId) values ('Rice', 1)"},
         {"Food", "Tools"}, "Category", "Food", "Tools", msgDelete + ": %1", "frmCategories", "txtCategory"},
        {"units of measure", [] { return new frmUOMView(nullptr); },
         {"insert into items (ItemId, ItemName, CategoryId) values (1, 'Rice', NULL)",
          "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 2.5)"},
         {"Each", "Case", "Pallet", "Pound", "Gallon", "Kilogram", "Book", "Pack"}, "UOM", "Each", "Pack",
         msgDelete + ": %1", "frmUOM", "txtUOM"},
        // A conversion keeps its item; prices go with it.
        {"items", [] { return new frmItemsView(nullptr); },
         {"insert into itemcategories (ItemCategoryId, Category) values (1, 'Food')",
          "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) values "
          "(1, 'A-1', 'Rice', 1, 1, b'1'), (2, 'B-2', 'Beans', 2, 1, b'1'), (3, 'C-3', 'Old', 1, 1, b'0')",
          "insert into itemuom (ItemId, BigUOMId, SmallUOMId, Variance) values (1, 2, 1, 12)",
          "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (2, 1, 1, 2.5)"},
         {"B-2|Beans|Service|Food", "A-1|Rice|Inventory|Food"}, "Item No.,Item Name,Type,Category", "A-1", "B-2",
         msgDelete + ": %1", "frmItems", "txtItemNo"},
        // The lines go with a document; an order names its quote, an invoice its order.
        {"sales quotes", [] { return new frmSalesQuoteView(nullptr); },
         {"insert into persons (PersonId, PersonName) values (10, 'Alice')",
          "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Acme', 10, b'1')",
          "insert into salesquote (SalesQuoteId, SalesQuoteNo, EmployeeId, CustomerId, Date, ExpireDate, Total, "
          "Comments) values (1, 'Q-1', 1, 1, '2024-03-01', '2024-03-31', 150, 'soon'), "
          "(2, 'Q-2', 1, 1, '2024-04-02', NULL, 6.5, NULL)",
          "insert into salesquotedetails (SalesQuoteId, Quantity) values (1, 1), (2, 1)",
          "insert into salesorder (SalesOrderNo, SalesQuoteId) values ('O-1', 1)"},
         {"Q-1|Acme|1/3/2024|31/3/2024|150.00|Default Person|soon", "Q-2|Acme|2/4/2024||6.50|Default Person|"},
         "Sales Quote No.,Customer,Date,Expire Date,Total,Employee,Comments", "Q-1", "Q-2",
         msgDelete + " Sales Quote No. %1", nullptr, nullptr, &pickedSalesQuoteId, 2},
        {"sales orders", [] { return new frmSalesOrderView(nullptr); },
         {"insert into persons (PersonId, PersonName) values (10, 'Alice')",
          "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Acme', 10, b'1')",
          "insert into salesorder (SalesOrderId, SalesOrderNo, EmployeeId, CustomerId, Date, Total, Comments) "
          "values (1, 'O-1', 1, 1, '2024-03-01', 150, 'soon'), (2, 'O-2', 1, 1, '2024-04-02', 6.5, NULL)",
          "insert into salesorderdetails (SalesOrderId, Quantity) values (1, 1), (2, 1)",
          "insert into salesinvoice (SalesInvoiceNo, SalesOrderId) values ('I-1', 1)"},
         {"O-1|Acme|1/3/2024|150.00|Default Person|soon", "O-2|Acme|2/4/2024|6.50|Default Person|"},
         "Sales Order No.,Customer,Date,Total,Employee,Comments", "O-1", "O-2",
         msgDelete + " Sales Order No. %1", nullptr, nullptr, &pickedSalesOrderId, 2},
        {"sales invoices", [] { return new frmSalesInvoiceView(nullptr); },
         {"insert into persons (PersonId, PersonName) values (10, 'Alice')",
          "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Acme', 10, b'1')",
          "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, EmployeeId, CustomerId, Date, Total, Comments) "
          "values (1, 'I-1', 1, 1, '2024-03-01', 150, 'paid'), (2, 'I-2', 1, 1, '2024-04-02', 6.5, NULL)",
          "insert into salesinvoicedetails (SalesInvoiceId, Quantity) values (1, 1), (2, 1)",
          "insert into salesrefund (SalesInvoiceId, EmployeeId) values (1, 1)"},
         {"I-1|Acme|1/3/2024|150.00|Default Person|paid", "I-2|Acme|2/4/2024|6.50|Default Person|"},
         "Sales Invoice No.,Customer,Date,Total,Employee,Comments", "I-1", "I-2",
         msgDelete + " Sales Invoice No. %1", nullptr, nullptr, &pickedSalesInvoiceId, 2},
        // Nothing refers to a refund: every one may go, with its lines.
        {"sales refunds", [] { return new frmSalesRefundView(nullptr); },
         {"insert into persons (PersonId, PersonName) values (10, 'Alice'), (11, 'Bob')",
          "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values "
          "(1, 'Acme', 10, b'1'), (2, 'Bolt', 11, b'1')",
          "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, EmployeeId, CustomerId) values "
          "(1, 'I-1', 1, 1), (2, 'I-2', 1, 2)",
          "insert into salesrefund (SalesRefundId, SalesInvoiceId, EmployeeId, Date, SubTotal, Freight, Total, "
          "DepositPaid, Comment) values (1, 1, 1, '2024-03-05', 10, 1, 11, 0, 'broken'), "
          "(2, 2, 1, '2024-04-06', 2.5, 0, 2.5, 2.5, NULL)",
          "insert into salesrefunddetails (SalesRefundId, Quantity) values (1, 1), (2, 1)"},
         {"Acme|Default Person|5/3/2024|10.00|1.00|11.00|0.00|broken", "Bolt|Default Person|6/4/2024|2.50|0.00|2.50|2.50|"},
         "Customer Name,Refunded By,Date,Subtotal,Freight,Total,Deposit Paid,Comments", "", "Bolt", msgDelete,
         nullptr, nullptr, &pickedSalesRefundId, 2},
        {"purchase orders", [] { return new frmPurchaseOrderView(nullptr); },
         {"insert into persons (PersonId, PersonName) values (10, 'Vera')",
          "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Farm', 10, b'1')",
          "insert into purchaseorder (PurchaseOrderId, PurchaseOrderNo, EmployeeId, VendorId, Date, Total, Comments) "
          "values (1, 'PO-1', 1, 1, '2024-03-01', 150, 'soon'), (2, 'PO-2', 1, 1, '2024-04-02', 6.5, NULL)",
          "insert into purchaseorderdetails (PurchaseOrderId, Quantity) values (1, 1), (2, 1)",
          "insert into purchaseinvoice (PurchaseInvoiceNo, PurchaseOrderId) values ('PI-1', 1)"},
         {"PO-1|Farm|1/3/2024|150.00|Default Person|soon", "PO-2|Farm|2/4/2024|6.50|Default Person|"},
         "Purchase Order No.,Vendor,Date,Total,Employee,Comments", "PO-1", "PO-2",
         msgDelete + " Purchase Order No. %1", nullptr, nullptr, &pickedPurchaseOrderId, 2},
        {"purchase invoices", [] { return new frmPurchaseInvoiceView(nullptr); },
         {"insert into persons (PersonId, PersonName) values (10, 'Vera')",
          "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Farm', 10, b'1')",
          "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, EmployeeId, VendorId, Date, Total, "
          "Comments) values (1, 'PI-1', 1, 1, '2024-03-01', 150, 'paid'), (2, 'PI-2', 1, 1, '2024-04-02', 6.5, NULL)",
          "insert into purchaseinvoicedetails (PurchaseInvoiceId, Quantity) values (1, 1), (2, 1)",
          "insert into purchaserefund (PurchaseInvoiceId, EmployeeId) values (1, 1)"},
         {"PI-1|Farm|1/3/2024|150.00|Default Person|paid", "PI-2|Farm|2/4/2024|6.50|Default Person|"},
         "Purchase Invoice No.,Vendor,Date,Total,Employee,Comments", "PI-1", "PI-2",
         msgDelete + " Purchase Invoice No. %1", nullptr, nullptr, &pickedPurchaseInvoiceId, 2},
        // Nothing refers to a refund: every one may go, with its lines.
        {"purchase refunds", [] { return new frmPurchaseRefundView(nullptr); },
         {"insert into persons (PersonId, PersonName) values (10, 'Vera'), (11, 'Walt')",
          "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values "
          "(1, 'Farm', 10, b'1'), (2, 'Mill', 11, b'1')",
          "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, EmployeeId, VendorId) values "
          "(1, 'PI-1', 1, 1), (2, 'PI-2', 1, 2)",
          "insert into purchaserefund (PurchaseRefundId, PurchaseInvoiceId, EmployeeId, Date, SubTotal, Freight, "
          "Total, DepositPaid, Comment) values (1, 1, 1, '2024-03-05', 10, 1, 11, 0, 'broken'), "
          "(2, 2, 1, '2024-04-06', 2.5, 0, 2.5, 209.3, NULL)",
          "insert into purchaserefunddetails (PurchaseRefundId, Quantity) values (1, 1), (2, 1)"},
         {"Farm|Default Person|5/3/2024|10.00|1.00|11.00|0.00|broken", "Mill|Default Person|6/4/2024|2.50|0.00|2.50|209.30|"},
         "Vendor Name,Refunded By,Date,Subtotal,Freight,Total,Deposit Paid,Comments", "", "Mill", msgDelete,
         nullptr, nullptr, &pickedPurchaseRefundId, 2},
    };
    return windows;
}

// Every window that opens on a list, with a table its list reads: renamed away, the read
// fails. The windows of the table above first, under their names there.
struct ListRead
{
    QString name;
    std::function<QDialog *()> open;
    QString table;
};

const QList<ListRead> &listReads()
{
    static const QList<ListRead> reads = [] {
        const QHash<QString, QString> tables{
            {"vendors", "vendors"},          {"departments", "departments"},
            {"currencies", "currencies"},    {"categories", "itemcategories"},
            {"units of measure", "uom"},     {"items", "items"},
            {"sales quotes", "salesquote"},  {"sales orders", "salesorder"},
            {"sales invoices", "salesinvoice"}, {"sales refunds", "salesrefund"},
            {"purchase orders", "purchaseorder"}, {"purchase invoices", "purchaseinvoice"},
            {"purchase refunds", "purchaserefund"}};
        QList<ListRead> all;
        for (const ListWindow &window : listWindows())
            all.append({window.name, window.open, tables.value(window.name)});
        all += QList<ListRead>{
            {"customers", [] { return new frmCustomersView(nullptr); }, "customers"},
            {"employees", [] { return new frmEmployeesView(nullptr); }, "employees"},
            {"persons", [] { return new frmPersonsView(nullptr); }, "persons"},
            {"users", [] { return new frmUsersView(nullptr); }, "users"},
            {"accounts", [] { return new frmAccountsView(nullptr); }, "accounts"},
            {"fiscal years", [] { return new frmFiscalYearView(nullptr); }, "fiscalyear"},
            {"general journal", [] { return new frmGeneralJournalView(nullptr); }, "generaljournal"},
            {"item capital", [] { return new frmItemCapital(nullptr); }, "items"},
            {"stock on hand", [] { return new frmInventory(nullptr); }, "items"}};
        return all;
    }();
    return reads;
}

void addWindowRows()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < listWindows().size(); ++i)
        QTest::newRow(listWindows().at(i).name) << i;
}

// The fixture and the window, opened as the main window opens it; nullptr when the
// fixture failed.
std::unique_ptr<QDialog> openList(const ListWindow &window)
{
    for (const QString &statement : window.fixture) {
        if (!TestSupport::execSql(statement)) {
            qWarning("%s", qPrintable(TestSupport::lastSqlError()));
            return nullptr;
        }
    }
    // A choice left by an earlier list: each opening must forget it.
    if (window.picked)
        *window.picked = 99;
    return std::unique_ptr<QDialog>(window.open());
}

// A long list of the document `window`: 150 rows with one-digit days and months, then one
// with the widest date and a partner whose name is longer than any before it.
QStringList longListFixture(const QString &window)
{
    const bool sales = window.startsWith("sales");
    QStringList statements{
        QString(sales ? "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values "
                      : "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values ")
        + "(9, 'Pharaoh Trading and Import Company of Upper Egypt', 10, b'1')"};
    QString table = QString(window).remove(' ');
    table.chop(1);
    QStringList rows;
    if (table.endsWith("refund")) {
        const QString invoices = sales ? "salesinvoice" : "purchaseinvoice";
        statements << QString("insert into %1 (%1Id, %1No, EmployeeId, %2) values (9, 'I-9', 1, 9)")
                          .arg(invoices, sales ? "CustomerId" : "VendorId");
        for (int i = 1; i <= 150; ++i)
            rows << "(1, 1, '2024-01-01', 1)";
        rows << "(9, 1, '2026-12-28', 1)";
        statements << QString("insert into %1 (%2Id, EmployeeId, Date, Total) values ").arg(table, invoices)
                          + rows.join(", ");
    } else {
        for (int i = 1; i <= 150; ++i)
            rows << QString("('L-%1', 1, 1, '2024-01-01', 1)").arg(i);
        rows << "('L-151', 1, 9, '2026-12-28', 1)";
        statements << QString("insert into %1 (%1No, EmployeeId, %2, Date, Total) values ")
                              .arg(table, sales ? "CustomerId" : "VendorId")
                          + rows.join(", ");
    }
    return statements;
}

// The cells of `row` whose text the view cuts without showing it whole on hover, as
// "header: 'text'"; a date is never to be cut.
QStringList cutWithoutToolTip(QTableView *view, int row)
{
    QStringList cut;
    const QAbstractItemModel *model = view->model();
    const QFontMetricsF metrics(view->font());
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QString shown = shownRows(view).value(row);
    int cell = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        const QString text = shown.section('|', cell, cell);
        ++cell;
        if (metrics.horizontalAdvance(text) <= view->columnWidth(column) - margins)
            continue;
        const QModelIndex index = model->index(row, column);
        const QString where = QString("%1: '%2'").arg(model->headerData(column, Qt::Horizontal).toString(), text);
        if (index.data().type() == QVariant::Date) {
            cut << where + " (a date)";
            continue;
        }
        view->scrollTo(index);
        const QPoint centre = view->visualRect(index).center();
        QToolTip::hideText();
        QHelpEvent hover(QEvent::ToolTip, centre, view->viewport()->mapToGlobal(centre));
        QCoreApplication::sendEvent(view->viewport(), &hover);
        QString tip = QToolTip::text();
        tip.remove(QChar(0x2066)).remove(QChar(0x2067)).remove(QChar(0x2069));
        if (tip != text)
            cut << where + " (tool tip '" + tip + "')";
    }
    QToolTip::hideText();
    return cut;
}

// What `text` holds outside its isolates (a name or a number set apart in its own direction).
QString outsideIsolates(const QString &text)
{
    QString outside;
    int depth = 0;
    for (const QChar character : text) {
        if (character == QChar(0x2066) || character == QChar(0x2067) || character == QChar(0x2068))
            ++depth;
        else if (character == QChar(0x2069))
            --depth;
        else if (depth == 0)
            outside += character;
    }
    return outside;
}

QString shownHeaders(const QTableView *view)
{
    QStringList headers;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        if (!view->isColumnHidden(column))
            headers << view->model()->headerData(column, Qt::Horizontal).toString();
    return headers.join(',');
}
}

class tst_listwindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadShowsTheRows_data() { addWindowRows(); }
    void loadShowsTheRows();
    void withoutARowEditAndDeleteAskForOne_data() { addWindowRows(); }
    void withoutARowEditAndDeleteAskForOne();
    void deleteAsksAndKeepsAReferencedRecord_data() { addWindowRows(); }
    void deleteAsksAndKeepsAReferencedRecord();
    void editOpensTheChosenRecordAndNewAnEmptyOne_data() { addWindowRows(); }
    void editOpensTheChosenRecordAndNewAnEmptyOne();
    void loadBindsValuesAndHidesColumns_data();
    void loadBindsValuesAndHidesColumns();
    void failedLoadLeavesAnEmptyList();
    void failedReadIsTold_data();
    void failedReadIsTold();
    void pickAcceptsWithTheChosenId_data();
    void pickAcceptsWithTheChosenId();
    void documentListOpensWithItsColumnsWhole_data();
    void documentListOpensWithItsColumnsWhole();
    void everyListOpensWithItsColumnsWhole_data();
    void everyListOpensWithItsColumnsWhole();
    void longListShowsItsLastRowWhole_data();
    void longListShowsItsLastRowWhole();
    void deleteQuestionReadsInArabic_data();
    void deleteQuestionReadsInArabic();
    void amountsShowTwoDecimals_data();
    void amountsShowTwoDecimals();
};

void tst_listwindows::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_listwindows::loadShowsTheRows()
{
    QFETCH(int, window);
    const ListWindow &expected = listWindows().at(window);

    const std::unique_ptr<QDialog> list = openList(expected);
    QVERIFY(list);

    QCOMPARE(shownRows(table(list.get())), expected.rows);
    QCOMPARE(shownHeaders(table(list.get())), expected.headers);
    QVERIFY(table(list.get())->isColumnHidden(0));
    QCOMPARE(messageLog(), QString());
}

void tst_listwindows::withoutARowEditAndDeleteAskForOne()
{
    QFETCH(int, window);
    const std::unique_ptr<QDialog> list = openList(listWindows().at(window));
    QVERIFY(list);

    click(list.get(), "btnEdit");
    click(list.get(), "btnDelete");
    if (listWindows().at(window).picked)
        QCOMPARE(*listWindows().at(window).picked, -1);

    QCOMPARE(messageLog(), QStringList({messageEntry(Messages::Information, msgSelectItemToEdit),
                                        messageEntry(Messages::Information, msgSelectItemToDelete)})
                               .join(" | "));
    QCOMPARE(shownRows(table(list.get())), listWindows().at(window).rows);
}

void tst_listwindows::deleteAsksAndKeepsAReferencedRecord()
{
    QFETCH(int, window);
    const ListWindow &expected = listWindows().at(window);
    const std::unique_ptr<QDialog> list = openList(expected);
    QVERIFY(list);
    const auto question = [&](const QString &name) {
        return messageEntry(Messages::Question, QString(expected.question).replace("%1", name));
    };

    if (!expected.referenced.isEmpty()) {
        chooseRow(list.get(), expected.referenced);
        MessageRecorder::answerNext(QMessageBox::Yes);
        click(list.get(), "btnDelete");
        QCOMPARE(messageLog(), question(expected.referenced) + " | "
                                   + messageEntry(Messages::Critical, msgRecordReferenced));
        QCOMPARE(shownRows(table(list.get())), expected.rows);
    }

    MessageRecorder::clear();
    chooseRow(list.get(), expected.unused);
    MessageRecorder::answerNext(QMessageBox::Yes);
    click(list.get(), "btnDelete");
    QCOMPARE(messageLog(), question(expected.unused));
    QStringList left = expected.rows;
    left.erase(std::remove_if(left.begin(), left.end(),
                              [&](const QString &row) { return row.section('|', 0, 0) == expected.unused; }),
               left.end());
    QCOMPARE(shownRows(table(list.get())), left);
}

void tst_listwindows::editOpensTheChosenRecordAndNewAnEmptyOne()
{
    QFETCH(int, window);
    const ListWindow &expected = listWindows().at(window);
    const std::unique_ptr<QDialog> list = openList(expected);
    QVERIFY(list);
    if (expected.picked) {
        chooseRow(list.get(), expected.unused);
        click(list.get(), "btnEdit");
        QCOMPARE(*expected.picked, expected.unusedId);
        QCOMPARE(list->result(), int(QDialog::Accepted));
        QCOMPARE(messageLog(), QString());
        return;
    }
    QStringList opened;
    const auto readEditor = [&](QWidget *editor) {
        opened << QString("%1 %2 [%3]")
                      .arg(editor->metaObject()->className())
                      .arg(editor->parentWidget() ? "inside the list" : "on its own")
                      .arg(editor->findChild<QLineEdit *>(expected.editorField)->text());
        static_cast<QDialog *>(editor)->reject();
    };

    chooseRow(list.get(), expected.unused);
    TestSupport::whenModal(readEditor);
    click(list.get(), "btnEdit");
    TestSupport::whenModal(readEditor);
    click(list.get(), "btnNew");

    const QString editor = QString(expected.editorClass) + " on its own ";
    QCOMPARE(opened, QStringList({editor + '[' + expected.unused + ']', editor + "[]"}));
    QCOMPARE(messageLog(), QString());
}

void tst_listwindows::loadBindsValuesAndHidesColumns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("bound pattern") << "Nile%" << QStringList{"Nile|1/5/2020", "Nile Delta|2/1/2021"};
    QTest::newRow("a quote in the value matches itself") << "O'%" << QStringList{"O'Brien|"};
    QTest::newRow("no match") << "Z%" << QStringList();
}

void tst_listwindows::loadBindsValuesAndHidesColumns()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, rows);
    EXEC_SQL("insert into vendors (VendorId, VendorName, VendorSince, IsActive) values "
             "(1, 'Nile', '2020-05-01', b'1'), (2, 'Nile Delta', '2021-01-02', b'0'), (3, 'O''Brien', NULL, b'1')");
    QTableView view;
    cListTable vendors;
    vendors.attach(&view, {0, 2});

    QVERIFY(vendors.load("select VendorId, VendorName, IsActive + 0, VendorSince from vendors "
                         "where VendorName like :pattern order by VendorName",
                         {"Name", "Since"}, {{":pattern", pattern}}));

    QCOMPARE(shownRows(&view), rows);
    QCOMPARE(shownHeaders(&view), QString("Name,Since"));
    QCOMPARE(vendors.rowCount(), rows.size());
}

void tst_listwindows::failedLoadLeavesAnEmptyList()
{
    QTableView view;
    cListTable list;
    list.attach(&view);
    QVERIFY(list.load("select Id, Name from vendors", {"Name"}) == false);
    QCOMPARE(list.rowCount(), 0);
    QVERIFY(!list.selectFirstRow());
    QVERIFY(!list.currentId().isValid());
    QCOMPARE(messageLog(), messageEntry(Messages::Critical,
                                        msgSelectFailed + "\nUnknown column 'Id' in 'SELECT' QMYSQL: Unable to "
                                                          "execute query"));
}

void tst_listwindows::failedReadIsTold_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < listReads().size(); ++i)
        QTest::newRow(qPrintable(listReads().at(i).name)) << i;
}

// A list that could not be read says so with the server's text, once, instead of showing
// as a list of nothing.
void tst_listwindows::failedReadIsTold()
{
    QFETCH(int, window);
    const ListRead &read = listReads().at(window);
    EXEC_SQL_ON_SECOND_CONNECTION(QString("rename table %1 to %1_gone").arg(read.table));

    const std::unique_ptr<QDialog> list(read.open());

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    const QString told = MessageRecorder::last().text;
    // A view over the table names the view instead.
    QVERIFY2(told.startsWith(msgSelectFailed + '\n')
                 && (told.contains(read.table + "' doesn't exist") || told.contains("references invalid table")),
             qPrintable(told));
}

void tst_listwindows::pickAcceptsWithTheChosenId_data()
{
    QTest::addColumn<QString>("choice"); // empty: no row
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("picked");
    QTest::addColumn<QString>("messages");
    QTest::newRow("the chosen row") << "Delta" << int(QDialog::Accepted) << 2 << "";
    QTest::newRow("the first row, as Return in a filter picks it") << "first" << int(QDialog::Accepted) << 1 << "";
    QTest::newRow("no row: asked for one, nothing picked")
        << "" << int(QDialog::Rejected) << -1 << messageEntry(Messages::Information, msgSelectItemToEdit);
}

void tst_listwindows::pickAcceptsWithTheChosenId()
{
    QFETCH(QString, choice);
    QFETCH(int, result);
    QFETCH(int, picked);
    QFETCH(QString, messages);
    EXEC_SQL("insert into vendors (VendorId, VendorName, IsActive) values (1, 'Nile', b'1'), (2, 'Delta', b'1')");
    QDialog dialog;
    auto *view = new QTableView(&dialog);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    cListTable vendors;
    vendors.attach(view);
    QVERIFY(vendors.load("select VendorId, VendorName from vendors order by VendorId", {"Name"}));
    if (choice == "first")
        QVERIFY(vendors.selectFirstRow());
    else if (!choice.isEmpty())
        chooseRow(&dialog, choice);
    int pickedId = -1;

    QCOMPARE(vendors.pickCurrent(&dialog, pickedId), result == QDialog::Accepted);

    QCOMPARE(dialog.result(), result);
    QCOMPARE(pickedId, picked);
    QCOMPARE(messageLog(), messages);
}

void tst_listwindows::documentListOpensWithItsColumnsWhole_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("arabic");
    for (int i = 0; i < listWindows().size(); ++i) {
        if (!listWindows().at(i).picked)
            continue;
        QTest::addRow("%s, English", listWindows().at(i).name) << i << false;
        QTest::addRow("%s, Arabic", listWindows().at(i).name) << i << true;
    }
}

// Opened as its editor's Search opens it: every column reads whole, or the window takes
// the screen's whole width and only the text columns give way; the amounts stand at the
// end of the line, and in Arabic the title and headers are translated.
void tst_listwindows::documentListOpensWithItsColumnsWhole()
{
    QFETCH(int, window);
    QFETCH(bool, arabic);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    const std::unique_ptr<QDialog> list = openList(listWindows().at(window));
    QVERIFY(list);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));
    QCoreApplication::processEvents();

    QTableView *view = table(list.get());
    const DirectionDelegate *delegate = Direction::applyTo(view);
    const bool fillsTheScreen = list->width() >= ScreenFit::room(list.get()).width();
    QList<int> amounts;
    QList<int> texts;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        (delegate->isAmountColumn(column) ? amounts : texts) << column;
    QVERIFY(!amounts.isEmpty());
    const QString cut = cutColumns(view, fillsTheScreen ? texts : QList<int>());
    QVERIFY2(cut.isEmpty(), qPrintable(QString("%1 wide: %2").arg(list->width()).arg(cut)));

    for (int column : amounts) {
        QStyleOptionViewItem option;
        option.initFrom(view);
        delegate->initStyleOption(&option, view->model()->index(0, column));
        QCOMPARE(QStyle::visualAlignment(option.direction, option.displayAlignment) & (Qt::AlignLeft | Qt::AlignRight),
                 Qt::Alignment(arabic ? Qt::AlignLeft : Qt::AlignRight));
    }
    QVERIFY2(list->windowTitle().startsWith(arabic ? QString() : QString("View ")), qPrintable(list->windowTitle()));
    if (arabic) {
        QStringList untranslated;
        for (const QString &text : QStringList(list->windowTitle()) + shownHeaders(view).split(','))
            if (Direction::of(text) != Qt::RightToLeft)
                untranslated << text;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(", ")));
    }
}

void tst_listwindows::everyListOpensWithItsColumnsWhole_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("arabic");
    for (int i = 0; i < listReads().size(); ++i) {
        QTest::addRow("%s, English", qPrintable(listReads().at(i).name)) << i << false;
        QTest::addRow("%s, Arabic", qPrintable(listReads().at(i).name)) << i << true;
    }
}

// Names, places and notes as long as their columns hold: each list opens with every column
// whole, or as wide as the screen.
void tst_listwindows::everyListOpensWithItsColumnsWhole()
{
    QFETCH(int, window);
    QFETCH(bool, arabic);
    EXEC_SQL("insert into persons (PersonId, PersonName, Street1, Street2, City, Province, Country, Phone1, EMail) values "
             "(50, 'Abdel Rahman Mahmoud El Sayed Hassan', '1234 Corniche El Nil Street, Garden City', "
             "'Building 7, Floor 12, Apartment 45', 'Sharm El Sheikh', 'South Sinai Governorate', "
             "'United Arab Emirates', '+20 100 555 1234', 'accounts@nile-delta-trading.example')");
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, Notes) values "
             "(50, 'Nile Delta Import and Export Company', 50, b'1', 'Delivers on Sundays and Wednesdays only')");
    EXEC_SQL("insert into vendors (VendorId, VendorName, ContactPersonId, VendorSince, IsActive, Notes) values "
             "(50, 'Red Sea Wholesale Foodstuffs Trading', 50, '2020-05-01', b'1', 'Pays within thirty days of delivery')");
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) values "
             "(50, 50, 'Senior Regional Purchasing Manager', b'1')");
    EXEC_SQL("insert into users (UserId, EmployeeId, Username, Password) values (50, 50, 'abdelrahman.elsayed.purchasing', '')");
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    const std::unique_ptr<QDialog> list(listReads().at(window).open());
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));
    QCoreApplication::processEvents();

    QTableView *view = list->findChild<QTableView *>();
    if (!view)
        QSKIP("this list is a tree");
    // A screen too narrow for the columns: the window takes all of it, and the list scrolls.
    if (list->width() >= ScreenFit::room(list.get()).width())
        return;
    QCOMPARE(cutColumns(view), QString());
}

void tst_listwindows::longListShowsItsLastRowWhole_data()
{
    documentListOpensWithItsColumnsWhole_data();
}

// The columns are fitted to the first rows: a later row's wider date still reads whole, and
// a later name that its column cuts reads whole on hover.
void tst_listwindows::longListShowsItsLastRowWhole()
{
    QFETCH(int, window);
    QFETCH(bool, arabic);
    const ListWindow &list = listWindows().at(window);
    for (const QString &statement : list.fixture + longListFixture(list.name))
        QVERIFY2(TestSupport::execSql(statement), qPrintable(TestSupport::lastSqlError()));
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    const std::unique_ptr<QDialog> dialog(list.open());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCoreApplication::processEvents();

    QTableView *view = table(dialog.get());
    QCOMPARE(view->model()->rowCount(), 153);
    const QStringList rows = shownRows(view);
    const auto widest = std::find_if(rows.cbegin(), rows.cend(), [](const QString &row) { return row.contains("28/12/2026"); });
    QVERIFY(widest != rows.cend());
    QCOMPARE(cutWithoutToolTip(view, int(widest - rows.cbegin())).join(", "), QString());
}

void tst_listwindows::deleteQuestionReadsInArabic_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < listReads().size(); ++i)
        // The journal's question names no entry: a sentence of its own.
        if (!QStringList{"item capital", "stock on hand", "general journal"}.contains(listReads().at(i).name))
            QTest::newRow(qPrintable(listReads().at(i).name)) << i;
}

// Every delete question of a list is Arabic from its first word, and the name or number it
// asks about is set apart, so that it reads in order: no English word, and no number that
// the sentence's direction could move.
void tst_listwindows::deleteQuestionReadsInArabic()
{
    QFETCH(int, window);
    const ListRead &read = listReads().at(window);
    const auto own = std::find_if(listWindows().cbegin(), listWindows().cend(),
                                  [&](const ListWindow &list) { return read.name == list.name; });
    const QStringList fixture = own != listWindows().cend() ? own->fixture : QStringList{
        "insert into persons (PersonId, PersonName) values (50, 'Nile Person')",
        "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (50, 'Nile', 50, b'1')",
        "insert into employees (EmployeeId, EmployeePersonId, IsActive) values (50, 50, b'1')",
        "insert into users (UserId, EmployeeId, Username, Password) values (50, 50, 'nile', '')",
        "insert into fiscalyear (FiscalYearId, `From`, `To`, IsClosed) values (50, '2026-01-01', '2026-12-31', b'0')",
        "insert into accounts (AccountId, AccountNo, Description, TypeId, IsPredefined) "
        "values (5000, '10990', 'Petty Cash', 1, 0)"};
    for (const QString &statement : fixture)
        QVERIFY2(TestSupport::execSql(statement), qPrintable(TestSupport::lastSqlError()));
    const TestSupport::InterfaceLanguage language(true);
    QVERIFY(language.ready());
    const std::unique_ptr<QDialog> list(read.open());
    if (auto *tree = list->findChild<QTreeWidget *>()) {
        for (QTreeWidgetItemIterator item(tree); *item; ++item)
            for (int column = 0; column < tree->columnCount(); ++column)
                if ((*item)->text(column) == "10990")
                    tree->setCurrentItem(*item);
        QVERIFY(tree->currentItem());
    } else {
        // Chosen as a click chooses: selectRow finds no column to start from in a right-to-left
        // view that is not shown.
        QTableView *view = table(list.get());
        const QModelIndexList rows =
            own != listWindows().cend()
                ? view->model()->match(view->model()->index(0, 1), Qt::DisplayRole, own->unused, 1, Qt::MatchExactly)
                : QModelIndexList{view->model()->index(0, 1)};
        QVERIFY(!rows.isEmpty());
        view->selectionModel()->setCurrentIndex(rows.first(),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    MessageRecorder::clear();
    MessageRecorder::answerNext(QMessageBox::No);
    click(list.get(), "btnDelete");

    QVERIFY2(MessageRecorder::messages().size() == 1 && MessageRecorder::last().kind == Messages::Question,
             qPrintable(messageLog()));
    const QString question = MessageRecorder::last().text;
    QString unordered;
    for (const QChar character : outsideIsolates(question))
        if (character.direction() == QChar::DirL || character.direction() == QChar::DirEN)
            unordered += character;
    QVERIFY2(Direction::of(question) == Qt::RightToLeft && unordered.isEmpty(),
             qPrintable(QString("'%1' leaves '%2' out of order").arg(question, unordered)));
}

void tst_listwindows::amountsShowTwoDecimals_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < listWindows().size(); ++i)
        if (listWindows().at(i).picked)
            QTest::newRow(listWindows().at(i).name) << i;
    QTest::newRow("employees") << -1;
}

// Beside totals of "150.00", a deposit of 209.3 reads "209.30" and a salary "52000.50"; a
// NULL amount stays empty.
void tst_listwindows::amountsShowTwoDecimals()
{
    QFETCH(int, window);
    std::unique_ptr<QDialog> list;
    if (window >= 0) {
        list = openList(listWindows().at(window));
    } else {
        EXEC_SQL("update employees set AnnualSalary = 52000.5 where EmployeeId = 1");
        list = std::make_unique<frmEmployeesView>(nullptr);
    }
    QVERIFY(list);

    QTableView *view = table(list.get());
    const DirectionDelegate *delegate = Direction::applyTo(view);
    const QStringList rows = shownRows(view);
    QVERIFY(!rows.isEmpty());
    QStringList unlike;
    int shown = 0;
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        if (delegate->isAmountColumn(column))
            for (const QString &row : rows)
                if (!QRegularExpression("^(-?\\d+\\.\\d\\d)?$").match(row.section('|', shown, shown)).hasMatch())
                    unlike << view->model()->headerData(column, Qt::Horizontal).toString() + ": "
                                  + row.section('|', shown, shown);
        ++shown;
    }
    QCOMPARE(unlike.join(", "), QString());
}

ZARPO_TEST_MAIN(tst_listwindows)
#include "tst_listwindows.moc"
