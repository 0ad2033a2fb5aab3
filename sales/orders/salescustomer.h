#ifndef SALESCUSTOMER_H
#define SALESCUSTOMER_H

#include <QString>

class QComboBox;
class QPlainTextEdit;
class QWidget;

// The customer choice that every sales editor shares: the active customers with their
// contact person, and the chosen customer's ship-to address.
namespace SalesCustomer {

// Refills `combo` with `addNew` ("<Add New>") first, then each active customer that has
// a contact person; a failed read is told as fillCombo tells it, over the combo's window.
void fill(QComboBox *combo, const QString &addNew);

// Shows the ship-to person and address of `combo`'s customer, a line each, in `shipTo`;
// empty lines when the customer has none. A failed read is told and leaves `shipTo`.
void showShipTo(QWidget *parent, const QComboBox *combo, QPlainTextEdit *shipTo);

} // namespace SalesCustomer

#endif // SALESCUSTOMER_H
