#ifndef DOCUMENTFIXTURES_H
#define DOCUMENTFIXTURES_H

#include "core/system/globals.h"
#include "tests/support/testsupport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstddef>

class QAbstractItemModel;
class QDoubleSpinBox;
class QTableWidget;
class QWidget;

// What the tests of the document windows (quotes, orders, invoices, refunds, payments)
// do alike: make their company, check their form, and work their line grid as a user.

// Statements of the companies that several of these tests build alike.
namespace Fixture {
// Category 1, Food.
inline constexpr const char *foodCategory = "insert into itemcategories (ItemCategoryId, Category) values (1, 'Food')";
// Rice (1, R-1) and Tea (2, T-2), active, of Food.
inline constexpr const char *riceAndTea =
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) values "
    "(1, 'R-1', 'Rice', 1, 1, b'1'), (2, 'T-2', 'Tea', 1, 1, b'1')";
// Persons 10 Vera and 11 Walt, the vendors' contacts.
inline constexpr const char *veraAndWalt =
    "insert into persons (PersonId, PersonName) values (10, 'Vera'), (11, 'Walt')";
// Vendors 1 Farm (Vera) and 2 Mill (Walt), both active.
inline constexpr const char *farmAndMill =
    "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values "
    "(1, 'Farm', 10, b'1'), (2, 'Mill', 11, b'1')";
// The seed's warehouse 2 at "1 Dock Rd", Port.
inline constexpr const char *dockRoadWarehouse =
    "update warehouses set Address1 = '1 Dock Rd', City = 'Port' where WarehouseId = 2";
// Rice at 2.50 an Each and 25.00 a Case, Tea at 19.99 an Each, in price type 1.
inline constexpr const char *riceAndTeaPrices =
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values "
    "(1, 1, 1, 2.50), (1, 1, 2, 25.00), (2, 1, 1, 19.99)";
// Persons 10 Alice Person ("1 Main St") and 11 Bob Person, with no street.
inline constexpr const char *aliceAndBob =
    "insert into persons (PersonId, PersonName, Street1) values "
    "(10, 'Alice Person', '1 Main St'), (11, 'Bob Person', NULL)";
} // namespace Fixture

// A fresh company with each of `count` `statements` run on it (the test fails on the
// first that fails), and no message box recorded yet.
void freshCompanyWith(const char *const *statements, std::size_t count);
template <std::size_t N>
void freshCompanyWith(const char *const (&statements)[N])
{
    freshCompanyWith(statements, N);
}

// The same for a document window: no settings file either, and employee 1 signed in.
void freshDocumentCompany(const char *const *statements, std::size_t count);
template <std::size_t N>
void freshDocumentCompany(const char *const (&statements)[N])
{
    freshDocumentCompany(statements, N);
}

// The row of the running form() test: the columns "object", "kind", "property" and
// "value" that formColumns() adds, checked by TestSupport::checkForm.
void formColumns();
QString checkFormRow(QWidget *window);
// Whether the row checks the layout direction, which wants the window made in Arabic.
bool formRowIsArabic();

// A document window made as the row wants it and checked against it; no message box
// may be shown on the way.
template <class Window>
void checkDocumentForm()
{
    rightToLeft = formRowIsArabic();
    Window window(nullptr);
    const QString problem = checkFormRow(&window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(TestSupport::messageLog(), QString());
}

// The line grid "tblItems" of a document window, and a cell of it edited as a user would.
QAbstractItemModel *lines(QWidget *window);
void writeCell(QWidget *window, int row, int column, const QVariant &value);

QDoubleSpinBox *amountBox(QWidget *window, const char *name);

// The grid's lines as a user reads them: each as its `columns` show, a space between,
// "_" for an empty cell, an amount with two decimals and a date as yyyy-MM-dd; the
// lines " / " apart. The trailing row for a new line is left out, unless `everyRow`.
QString lineTexts(QWidget *window, const QList<int> &columns, bool everyRow = false);

// The invoice grid "tblInvoices" of a payment window, and its rows as
// "number|date|total|paid|debt|payment", the payment "-" where it cannot be typed.
QTableWidget *invoices(QWidget *window);
QStringList shownInvoices(QWidget *window);

// "add" or "edit", as the window's state labels show.
QString state(QWidget *window);

// Search, then Edit of the row of the list that shows `shown`.
void openStored(QWidget *window, const QString &shown);

// A code typed into "txtBarcode" and entered.
void scan(QWidget *window, const QString &code);

// A document's number typed afresh into `field` and `button` clicked: the search for the
// quote or order a new document is made from.
void searchByNumber(QWidget *window, const char *field, const QString &number, const char *button);

// A new line of `itemId`, chosen with "btnAddItem" in the item picker.
void addItem(QWidget *window, int itemId);

// The warehouse and partner ids a side remembers as its defaults in the settings file,
// under their elements ("DefaultSalesWarehouse", "DefaultSalesCustomer").
void rememberDefaults(const QString &warehouseElement, const QString &warehouse, const QString &partnerElement,
                      const QString &partner);

#endif // DOCUMENTFIXTURES_H
