#ifndef SALESSTORAGE_H
#define SALESSTORAGE_H

#include "core/money.h"

#include <QSqlError>
#include <QString>

class cDbSave;
class cLineGrid;
class cSalesGrid;

// The storage the sales quote, the sales order and the sales invoice share: a header row and its lines, one
// line row per line of the grid.
namespace SalesStorage {

struct Document
{
    QString header;    // "salesquote"
    QString headerId;  // "SalesQuoteId"
    QString details;   // "salesquotedetails"
    QString detailsId; // "SalesQuoteDetailsId"
};
extern const Document quote;
extern const Document order;
extern const Document invoice;

// A line's cell as bound for storing: NULL when it holds nothing, an amount as a
// decimal, so that an emptied discount comes back empty.
QVariant cellOrNull(const cLineGrid *lines, int row, int column);
QVariant amountOrNull(const cLineGrid *lines, int row, int column);

// Empties `lines` and shows the stored lines of `document` `id` in it, as stored. With
// `keepIds` the lines are the document's own (a save rewrites them); without, they are a
// copy that a save inserts as new lines. The server's error when the lines cannot be read,
// which leaves the grid empty.
QSqlError loadLines(cSalesGrid *lines, const Document &document, int id, bool keepIds);

// Locks the stored header of `document` `id`, so another user's save of it waits for
// this one; fails the save when it is gone.
void lockHeader(cDbSave &save, const Document &document, int id);

// Writes the grid's new, changed and removed lines of `document` `id`, then checks what
// is stored: as many lines as the grid shows, worth `subtotal` together.
void writeLines(cDbSave &save, const cSalesGrid *lines, const Document &document, int id, Money subtotal);

// Fails the save unless what is stored of `document` `id` is `lineCount` lines worth
// `subtotal` together: what is stored is judged, not what the window holds, so a line
// another user's save added or took away meanwhile is caught.
void checkStoredLines(cDbSave &save, const Document &document, int id, int lineCount, Money subtotal);

} // namespace SalesStorage

#endif // SALESSTORAGE_H
