#ifndef DOCUMENTLINES_H
#define DOCUMENTLINES_H

#include "core/db/money.h"
#include "core/db/storedrecord.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class cDbSave;
class cLineGrid;
class cXml;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QPlainTextEdit;
class QSqlError;
class QSqlQuery;

// What the documents with a line grid (quotes, orders, invoices of either side) share
// in keeping their lines: a header row and its lines, one line row per line of the grid;
// and what their windows do alike with the header.
class QWidget;

namespace DocumentLines {

struct Document
{
    QString header;    // "salesquote"
    QString headerId;  // "SalesQuoteId"
    QString details;   // "salesquotedetails"
    QString detailsId; // "SalesQuoteDetailsId"
};

// The header fields that every document window with a line grid has, under its names.
struct HeaderFields
{
    QComboBox *partner; // the customer or the vendor
    QDateEdit *date;
    QDateEdit *shipDate;
    QDoubleSpinBox *subtotal;
    QDoubleSpinBox *freight;
    QDoubleSpinBox *total;
    QPlainTextEdit *comment;
};

// A record that a document must have chosen before it is saved, and what is said when
// none is.
struct Choice
{
    const QComboBox *combo;
    QString missing; // "Select Vendor"
};

// The units that have a price for the item ":id": unit id and name, in a stable order.
extern const QString unitsOfItemSql;

// False when the settings file's Preferences say "0", "false" (in any case) or nothing
// for ShowDiscountAndTax; true when there is no such element.
bool showsDiscountAndTax();

// A line's cell as bound for storing: NULL when it holds nothing, an amount as a
// decimal, so that an emptied discount comes back empty.
QVariant cellOrNull(const cLineGrid *lines, int row, int column);
QVariant amountOrNull(const cLineGrid *lines, int row, int column);

// Records a document refers to as its window chose them: the rows of `table` whose
// `idColumn` is one of `ids`, named by `what` ("the chosen warehouse") when one is gone.
struct Chosen
{
    QString table;
    QString idColumn;
    QList<QVariant> ids;
    QString what;
};

// The items of the lines in `lines`, by their `itemColumn`.
Chosen chosenItems(const cLineGrid *lines, int itemColumn);

// What a window loads of a stored `document`: its header and its lines, with the rows
// of `more` that its save must find as they were (an invoice's payments); `thisDocument`
// names it in the refusal ("this sales invoice").
cStoredRecord storedDocument(const Document &document, const QString &thisDocument,
                             const QList<cStoredRecord::Rows> &more = {});

// Writes a document's header inside `save` and returns its id. The `chosen` records
// are locked first against their deletion, and the save is refused when another user
// deleted one meanwhile. Then `insert` for a new document (`storedId` 0); otherwise the
// stored header and lines are locked, so another user's save of them waits for this one,
// the save is refused when another user changed them since they were `loaded`, and
// `update` writes the header by ":id". `bind` gives either statement the header's
// values; a value for a placeholder the statement lacks is left out. 0 once the save has
// failed.
int writeHeader(cDbSave &save, int storedId, const cStoredRecord &loaded,
                const QList<Chosen> &chosen, const QString &insert, const QString &update,
                const std::function<void(QSqlQuery &header)> &bind);

// Fails the save unless what is stored of `document` `id` is `lineCount` lines worth
// `subtotal` together: what is stored is judged, not what the window holds, so a line
// another user's save added or took away meanwhile is caught. `shownJoins` joins the
// rows the load needs to show a line: a stored line the load leaves out for want of one
// is not counted, as it was not loaded.
void checkStoredLines(cDbSave &save, const Document &document, int id, int lineCount, Money subtotal,
                      const QString &shownJoins = QString());

// After a save of an invoice and its lines: true when it committed; otherwise tells why
// in a box over `parent` — a removed line that a refund names (error 1451) in words of
// its own, a refusal of cDbSave::failWith() in its own words, any other failure as
// msgInsertFailed with the server's text — and false.
bool commitOrTell(cDbSave &save, QWidget *parent);

// Before a save: refuses, as FailedReads::readWhole does, a window whose reads failed;
// tells over `window` the first of `choices` that has no record chosen (the leading entry,
// or none), else how to add lines when `lineCount` is 0. False then.
bool hasChoicesAndLines(QWidget *window, const QList<Choice> &choices, int lineCount);

// An amount of a document's header under the name its window gives it.
struct NamedAmount
{
    QString name;
    Money amount;
};
// The deposit that `field` shows, under its name.
NamedAmount deposit(const QDoubleSpinBox *field);

// Before a save: tells over `window` the first of a header's subtotal, freight, total and
// `more` (a deposit) that its DECIMAL(10,2) column cannot hold, by its name and value,
// where the server would store it clipped; false then.
bool headerAmountsFit(QWidget *window, Money subtotal, Money freight, Money total,
                      const QList<NamedAmount> &more = {});
// The same for the amounts that `fields` show.
bool headerAmountsFit(QWidget *window, const HeaderFields &fields, const QList<NamedAmount> &more = {});

// Binds what every document header stores from `fields`: `partnerKey` (":VendorId"),
// :EmployeeId (the signed-in employee), :Date and :ShipDate (NULL for "No date"),
// :Subtotal, :Freight, :Total and :Comments (NULL when empty).
void bindHeader(QSqlQuery &query, const HeaderFields &fields, const QString &partnerKey);

// Shows on `fields` the header of the stored document that `query` stands on: columns 1
// to 7 are the partner, date, ship date, subtotal, freight, total and comments (column 0
// and those after 7 are the caller's). A date the document lacks shows as "No date" and
// stays so (StoredFields::showDate).
void showHeader(const QSqlQuery &query, const HeaderFields &fields);
// The same for the source a new document is made from (the order of an invoice), whose
// dates it copies: where the source has none, the new document keeps the date it has.
void showSourceHeader(const QSqlQuery &query, const HeaderFields &fields);

// At New: `dates` that showed a stored document (`showedStored`) go back to today, as
// ordinary fields, so that nothing of its dates, its "No date" either, passes to the next
// document; a new document's dates stay for the next one, a run of documents of one day.
void datesForNew(const QList<QDateEdit *> &dates, bool showedStored);

// Keeps the record that `combo` shows under `element` of `settings`, for the next window
// of its kind to choose again. A blank or "<Add New>" (the leading entry) is no record:
// what was kept before stays, so the next window does not open blank.
void rememberChoice(cXml &settings, const QString &element, const QComboBox *combo);
// Chooses on `combo` the record kept under `element` of `settings`; no entry when the
// kept id names none (gone or inactive), never "<Add New>". False when none is kept.
bool recallChoice(const cXml &settings, const QString &element, QComboBox *combo);

// Runs `query`; a failure is told over `window` as msgSelectFailed with the server's
// text, and false.
bool execOrTell(QSqlQuery &query, QWidget *window);

// Tells `error` over `window` as msgSelectFailed with the server's text, when it is one.
void tellSelectFailed(QWidget *window, const QSqlError &error);

// Shows the columns of the row that `sql` finds for ":id" = `id`, a line each, in
// `shipTo`; as many empty lines when it finds none. A failed read is told over `window`
// and leaves `shipTo` as it was.
void showAddress(QWidget *window, const QString &sql, const QVariant &id, QPlainTextEdit *shipTo);

} // namespace DocumentLines

#endif // DOCUMENTLINES_H
