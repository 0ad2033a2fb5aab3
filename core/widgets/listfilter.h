#ifndef LISTFILTER_H
#define LISTFILTER_H

#include <QString>

// Lists filtered by what the user types: the text reaches the server bound (see
// ListDialog::replaceModel), and its own %, _ and \ match themselves.
namespace ListFilter {

// A LIKE pattern, for the server's default escape character "\", that matches every
// value containing `text` anywhere.
QString containing(const QString &text);

// The condition "`column` LIKE `placeholder`", compared in the session's character set:
// a typed character that the column's own cannot hold (an emoji in a utf8 column) then
// matches nothing, where the server would refuse the statement.
QString like(const QString &column, const QString &placeholder);

} // namespace ListFilter

#endif // LISTFILTER_H
