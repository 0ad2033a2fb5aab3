#include "purchasing/purchaseheader.h"

#include "core/comboboxes.h"
#include "core/connection.h"
#include "core/globals.h"
#include "core/messages.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace PurchaseHeader {

namespace {
void fill(QWidget *parent, QComboBox *combo, const QString &addNew, const QString &sql)
{
    const QSqlError error = fillCombo(combo, {addNew}, sql);
    if (error.isValid())
        Messages::critical(parent, msgCaption, msgSelectFailed + QLatin1Char('\n') + error.text());
}
}

void fillVendors(QWidget *parent, QComboBox *combo, const QString &addNew)
{
    fill(parent, combo, addNew,
         QStringLiteral("Select VendorId, Concat(IFNULL(VendorName, ''), ': ', IFNULL(PersonName, '')) from vendors "
                        "inner join persons on ContactPersonId = PersonId where IsActive = 1"));
}

void fillWarehouses(QWidget *parent, QComboBox *combo, const QString &addNew)
{
    fill(parent, combo, addNew,
         QStringLiteral("Select WarehouseId, WarehouseName from warehouses where IsActive = 1"));
}

// Also after "<Add New>" chose the newest warehouse: the address is the chosen one's.
void showShipTo(QWidget *parent, const QComboBox *combo, QPlainTextEdit *shipTo)
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select Address1, Address2, City, State, Country from warehouses "
                                 "where WarehouseId = :id"));
    query.bindValue(QStringLiteral(":id"), comboItemId(combo));
    if (!query.exec()) {
        Messages::critical(parent, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
        return;
    }
    const bool found = query.next();
    QStringList address;
    for (int column = 0; column < 5; ++column)
        address << (found ? query.value(column).toString() : QString());
    shipTo->setPlainText(address.join(QLatin1Char('\n')));
}

} // namespace PurchaseHeader
