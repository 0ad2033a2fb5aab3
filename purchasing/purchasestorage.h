#ifndef PURCHASESTORAGE_H
#define PURCHASESTORAGE_H

#include "core/db/money.h"
#include "core/documents/documentlines.h"

#include <QSqlError>

class cDbSave;
class cPurchaseGrid;

// The storage of the purchase documents' lines: one line row per line of the grid, the
// same way as the sales documents keep theirs.
namespace PurchaseStorage {

// A purchase document's tables, and the column that keeps a date per line: the
// invoice's production date; an order's lines keep none.
struct Document : DocumentLines::Document
{
    QString lineDate;
};
extern const Document order;
extern const Document invoice;

// Empties `lines` and shows the stored lines of `document` `id` in it, as stored, with
// their dates. With `keepIds` the lines are the document's own (a save rewrites them);
// without, they are a copy that a save inserts as new lines. The server's error when
// the lines cannot be read, which leaves the grid empty.
QSqlError loadLines(cPurchaseGrid *lines, const Document &document, int id, bool keepIds = true);

// Writes the grid's new, changed and removed lines of `document` `id`, then checks what
// is stored: as many lines as the grid shows, worth `subtotal` together.
void writeLines(cDbSave &save, const cPurchaseGrid *lines, const Document &document, int id, Money subtotal);

} // namespace PurchaseStorage

#endif // PURCHASESTORAGE_H
