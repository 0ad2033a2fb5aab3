#ifndef COMBOBOXES_H
#define COMBOBOXES_H

class QComboBox;

// Makes current the entry whose Qt::UserRole data is the largest record id (the first
// of equals); entries without a numeric id count as 0, so "<Add New>" at index 0 stays
// current only when no entry has a positive id. Does not emit activated().
void selectNewestComboItem(QComboBox *combo);

#endif // COMBOBOXES_H
