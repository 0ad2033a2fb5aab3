#ifndef LISTFILTER_H
#define LISTFILTER_H

#include <QString>

// Lists filtered by what the user types: the text reaches the server bound (see
// ListDialog::replaceModel), and its own %, _ and \ match themselves.
namespace ListFilter {

// A LIKE pattern, for the server's default escape character "\", that matches every
// value containing `text` anywhere.
QString containing(const QString &text);

} // namespace ListFilter

#endif // LISTFILTER_H
