#ifndef DOCUMENTFIXTURES_H
#define DOCUMENTFIXTURES_H

#include "core/globals.h"
#include "tests/support/testsupport.h"

#include <QString>
#include <QVariant>

#include <cstddef>

class QAbstractItemModel;
class QDoubleSpinBox;
class QWidget;

// What the tests of the document windows (quotes, orders, invoices, refunds, payments)
// do alike: make their company, check their form, and work their line grid as a user.

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

// "add" or "edit", as the window's state labels show.
QString state(QWidget *window);

// Search, then Edit of the row of the list that shows `shown`.
void openStored(QWidget *window, const QString &shown);

// A code typed into "txtBarcode" and entered.
void scan(QWidget *window, const QString &code);

#endif // DOCUMENTFIXTURES_H
