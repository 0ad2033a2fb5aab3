#ifndef COMBOFILL_H
#define COMBOFILL_H

#include <QString>
#include <QStringList>

class QComboBox;

// Refills `combo` for a record choice: first the `leading` entries ("", "<Add New>"),
// which carry no item data, then one entry per row of `sql` in the server's order. A
// statement of two columns gives the record id (column 0, as an int in Qt::UserRole) and
// the text (column 1); a statement of one column gives the text alone. False when the
// statement failed, which leaves the leading entries only.
bool fillComboFromQuery(QComboBox *combo, const QStringList &leading, const QString &sql);

#endif // COMBOFILL_H
