#ifndef COMBOBOXES_H
#define COMBOBOXES_H

#include <QVariant>

class QComboBox;

// Makes current the entry whose Qt::UserRole data is the largest record id (the first
// of equals); entries without a numeric id count as 0, so "<Add New>" at index 0 stays
// current only when no entry has a positive id. Does not emit activated().
void selectNewestComboItem(QComboBox *combo);

// Shows the entry whose Qt::UserRole data is `id`; an id that no entry carries, or a
// NULL id, shows no entry rather than the leading "<Add New>", which carries no id either.
void selectComboItemById(QComboBox *combo, const QVariant &id);

// The record id of the current entry, to be bound: NULL for "<Add New>", a blank entry
// or no entry.
QVariant comboItemId(const QComboBox *combo);

// Opens the combo's list as wide as its widest entry, so that an entry the closed combo
// cuts short ("20100: Accounts Pay...") is read whole when choosing. Call after filling.
void showEntriesWhole(QComboBox *combo);

#endif // COMBOBOXES_H
