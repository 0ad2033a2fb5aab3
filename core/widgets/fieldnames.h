#ifndef FIELDNAMES_H
#define FIELDNAMES_H

#include <QString>

class QLabel;
class QWidget;

// The name a message gives a field when it refuses what the field holds: the text of the
// label the user reads beside it.
namespace FieldNames {

// Ties `field` to the `label` that names it; a null label leaves the field unnamed.
void setLabel(QWidget *field, const QLabel *label);

// The label's text without its mnemonic and its closing colon; the field's object name
// where it has no label.
QString of(const QWidget *field);

} // namespace FieldNames

#endif // FIELDNAMES_H
