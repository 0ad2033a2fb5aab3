#include "sales/orders/salescustomer.h"

#include "core/comboboxes.h"
#include "core/connection.h"
#include "core/globals.h"
#include "core/messages.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace SalesCustomer {

void fill(QWidget *parent, QComboBox *combo, const QString &addNew)
{
    const QSqlError error = fillCombo(combo, {addNew},
                                      QStringLiteral("Select CustomerId, Concat(CustomerName, ': ', PersonName) "
                                                     "from customers inner join persons on CustomerPersonId = PersonId "
                                                     "where IsActive = 1"));
    if (error.isValid())
        Messages::critical(parent, msgCaption, msgSelectFailed + QLatin1Char('\n') + error.text());
}

void showShipTo(QWidget *parent, const QComboBox *combo, QPlainTextEdit *shipTo)
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select PersonName, Street1, Street2, City, Province, Country From persons "
                                 "Inner Join customers on persons.PersonId = ShipToPersonId Where CustomerId = :id"));
    query.bindValue(QStringLiteral(":id"), comboItemId(combo));
    if (!query.exec()) {
        Messages::critical(parent, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
        return;
    }
    const bool found = query.next();
    QStringList address;
    for (int part = 0; part < 6; ++part)
        address << (found ? query.value(part).toString() : QString());
    shipTo->setPlainText(address.join(QLatin1Char('\n')));
}

} // namespace SalesCustomer
