#include "bench/listwindows.h"

#include "accounting/frmAccountsView.h"
#include "accounting/frmGeneralJournalView.h"
#include "items/frmInventory.h"
#include "items/frmItemCapital.h"
#include "items/frmItemsView.h"
#include "partners/frmCustomersView.h"
#include "partners/frmDepartmentsView.h"
#include "partners/frmEmployeesView.h"
#include "partners/frmPersonsView.h"
#include "partners/frmUsersView.h"
#include "partners/frmVendorsView.h"

#include <QLineEdit>

namespace {

template<class Window>
std::function<QWidget *()> opened()
{
    return [] { return new Window(nullptr); };
}

// Puts the whole text into the field at once, as a paste does: the list reloads once.
std::function<void(QWidget *)> typed(const char *field, const QString &text)
{
    return [=](QWidget *window) {
        if (auto *edit = window->findChild<QLineEdit *>(QLatin1String(field)))
            edit->setText(text);
    };
}

// The list that the document windows open to add a line.
QWidget *itemPicker()
{
    auto *picker = new frmItemsView(nullptr);
    picker->pickerMode = true;
    return picker;
}

} // namespace

const QVector<ListWindow> &listWindows()
{
    static const QVector<ListWindow> windows{
        {QStringLiteral("Chart of accounts"), opened<frmAccountsView>(), {}},
        {QStringLiteral("General journal list"), opened<frmGeneralJournalView>(), {}},
        {QStringLiteral("Persons list"), opened<frmPersonsView>(), {}},
        {QStringLiteral("Departments list"), opened<frmDepartmentsView>(), {}},
        {QStringLiteral("Employees list"), opened<frmEmployeesView>(), {}},
        {QStringLiteral("Customers list"), opened<frmCustomersView>(), {}},
        {QStringLiteral("Customers list, name filter typed"), opened<frmCustomersView>(), typed("txtFilter", QStringLiteral("Food"))},
        {QStringLiteral("Vendors list"), opened<frmVendorsView>(), {}},
        {QStringLiteral("Users list"), opened<frmUsersView>(), {}},
        {QStringLiteral("Items list"), opened<frmItemsView>(), {}},
        {QStringLiteral("Item picker, name filter typed"), &itemPicker, typed("txtFilter", QStringLiteral("Paper"))},
        // Opens on the first warehouse: the stock of one warehouse.
        {QStringLiteral("Stock on hand, one warehouse"), opened<frmInventory>(), {}},
        {QStringLiteral("Item capital"), opened<frmItemCapital>(), {}},
    };
    return windows;
}
