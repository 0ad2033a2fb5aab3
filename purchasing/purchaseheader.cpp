#include "purchasing/purchaseheader.h"

#include "core/widgets/comboboxes.h"
#include "core/documents/documentlines.h"

#include <QCoreApplication>

namespace PurchaseHeader {

void fillVendors(QComboBox *combo, const QString &addNew)
{
    fillCombo(combo, {addNew},
              QStringLiteral("Select VendorId, Concat(IFNULL(VendorName, ''), ': ', IFNULL(PersonName, '')) "
                             "from vendors inner join persons on ContactPersonId = PersonId where IsActive = 1"));
    growToWidestEntry(combo);
    setListingRule(combo, QCoreApplication::translate("PurchaseHeader",
                                                      "Only active vendors with a contact person are listed."));
}

void fillWarehouses(QComboBox *combo, const QString &addNew)
{
    fillCombo(combo, {addNew}, QStringLiteral("Select WarehouseId, WarehouseName from warehouses where IsActive = 1"));
    setListingRule(combo, QCoreApplication::translate("PurchaseHeader", "Only active warehouses are listed."));
}

// Also after "<Add New>" chose the newest warehouse: the address is the chosen one's.
void showShipTo(QWidget *parent, const QComboBox *combo, QPlainTextEdit *shipTo)
{
    DocumentLines::showAddress(parent,
                               QStringLiteral("Select Address1, Address2, City, State, Country from warehouses "
                                              "where WarehouseId = :id"),
                               comboItemId(combo), shipTo);
}

} // namespace PurchaseHeader
