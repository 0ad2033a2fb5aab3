#ifndef PURCHASEHEADER_H
#define PURCHASEHEADER_H

#include <QString>

class QComboBox;
class QPlainTextEdit;
class QWidget;

// The choices that the purchase order and the purchase invoice share: the active
// vendors with their contact person, the active warehouses, and the chosen warehouse's
// address as the ship-to text.
namespace PurchaseHeader {

// Refill `combo` with `addNew` ("<Add New>") first; a failed read is told as fillCombo
// tells it, over the combo's window, and leaves `addNew` alone.
void fillVendors(QComboBox *combo, const QString &addNew);
void fillWarehouses(QComboBox *combo, const QString &addNew);

// Shows the address of `combo`'s warehouse, a line each, in `shipTo`; empty lines when
// no warehouse is chosen. A failed read is told and leaves `shipTo` as it was.
void showShipTo(QWidget *parent, const QComboBox *combo, QPlainTextEdit *shipTo);

} // namespace PurchaseHeader

#endif // PURCHASEHEADER_H
