#ifndef SALESSTORAGE_H
#define SALESSTORAGE_H

#include "core/documents/documentlines.h"
#include "core/db/money.h"

#include <QSqlError>
#include <QString>

class cDbSave;
class cSalesGrid;

// The storage the sales quote, the sales order and the sales invoice share: a header row and its lines, one
// line row per line of the grid.
namespace SalesStorage {

using Document = DocumentLines::Document;
using DocumentLines::amountOrNull;
using DocumentLines::cellOrNull;
using DocumentLines::checkStoredLines;

extern const Document quote;
extern const Document order;
extern const Document invoice;

// Empties `lines` and shows the stored lines of `document` `id` in it, as stored. With
// `keepIds` the lines are the document's own (a save rewrites them); without, they are a
// copy that a save inserts as new lines. The server's error when the lines cannot be read,
// which leaves the grid empty.
QSqlError loadLines(cSalesGrid *lines, const Document &document, int id, bool keepIds);

// Writes the grid's new, changed and removed lines of `document` `id`, then checks what
// is stored: as many lines as the grid shows, worth `subtotal` together.
void writeLines(cDbSave &save, const cSalesGrid *lines, const Document &document, int id, Money subtotal);

} // namespace SalesStorage

#endif // SALESSTORAGE_H
