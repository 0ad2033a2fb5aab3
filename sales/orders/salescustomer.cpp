#include "sales/orders/salescustomer.h"

#include "core/widgets/comboboxes.h"
#include "core/documents/documentlines.h"

#include <QCoreApplication>
#include <QSqlError>

namespace SalesCustomer {

void fill(QComboBox *combo, const QString &addNew)
{
    fillCombo(combo, {addNew},
              QStringLiteral("Select CustomerId, Concat(CustomerName, ': ', PersonName) from customers "
                             "inner join persons on CustomerPersonId = PersonId where IsActive = 1"));
    setListingRule(combo, QCoreApplication::translate("SalesCustomer",
                                                      "Only active customers with a contact person are listed."));
    growToWidestEntry(combo);
}

void showShipTo(QWidget *parent, const QComboBox *combo, QPlainTextEdit *shipTo)
{
    DocumentLines::showAddress(parent,
                               QStringLiteral("Select PersonName, Street1, Street2, City, Province, Country From persons "
                                              "Inner Join customers on persons.PersonId = ShipToPersonId "
                                              "Where CustomerId = :id"),
                               comboItemId(combo), shipTo);
}

} // namespace SalesCustomer
