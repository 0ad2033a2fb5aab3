#ifndef COMBOBOXES_H
#define COMBOBOXES_H

#include "core/widgets/screenfit.h"

#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>

class QComboBox;

// Refills `combo` for a record choice: first the `leading` entries ("", "<Add New>"),
// which carry no item data, then one entry per row of `sql` in the server's order, with
// each named placeholder of `values` bound. A statement of two columns gives the record
// id (column 0, as an int in Qt::UserRole) and the text (column 1); a statement of one
// column gives the text alone. Returns the server's error, which is no error
// (isValid() false) when the statement ran; a failure leaves the leading entries only,
// is told and remembered on the combo through FailedReads::noteRead.
QSqlError fillCombo(QComboBox *combo, const QStringList &leading, const QString &sql, const QVariantMap &values = {});

// The select expression of an account's entry as the interface's language names it, for a
// statement on `accounts`: "10200: " then the account's Arabic name in Arabic (its English
// name where it has no Arabic one), its English name otherwise.
QString accountEntrySql();
// The statement that reads account ":id" as such an entry, for selectStoredItem.
QString accountEntryOfIdSql();

// The same fill; false when the statement failed.
bool fillComboFromQuery(QComboBox *combo, const QStringList &leading, const QString &sql);

// Shows the entry whose Qt::UserRole data is `id`; an id that no entry carries, or a
// NULL id, shows no entry rather than the leading "<Add New>", which carries no id either.
void selectComboItemById(QComboBox *combo, const QVariant &id);

// Shows the entry whose Qt::UserRole data is the stored record id `id`, for a record
// loaded into an editor. An id that no entry carries (an inactive sales person, an account
// that is no longer a leaf, a record deleted since) gets an entry of its own, added and
// shown: the save binds it back unchanged, and the user may choose another. The entry
// reads "Ann: Clerk (not in the list)" with the text that `nameSql` reads for ":id", or
// "No. 7, not in the list" where there is none (a failed read is told). A NULL id, or one
// of 0 or less, stands for no record and shows no entry.
void selectStoredItem(QComboBox *combo, const QVariant &id, const QString &nameSql = QString());
// True while `combo` shows such an entry, which it does not offer.
bool showsStoredItemNotOffered(const QComboBox *combo);

// The same for a combo of plain values (a number of pay periods): the entry that reads
// `text`, or, where none does, `text` added as an entry and shown. An empty text shows no
// entry.
void selectStoredText(QComboBox *combo, const QString &text);

// For a new record, which may not choose them: takes out of `combo` the entries that
// selectStoredItem and selectStoredText added for the record before it. Where one of them
// was shown, no entry is.
void removeEntriesNotOffered(QComboBox *combo);

// Shows the entry at the stored position `index` (a payment method, say); the first
// entry when the combo has none there.
void selectStoredIndex(QComboBox *combo, int index);

// The record id of the current entry, to be bound: NULL for "<Add New>", a blank entry
// or no entry.
QVariant comboItemId(const QComboBox *combo);

// Tells why a record may be missing from `combo`'s entries ("Only active vendors with a
// contact person are listed."): "<Add New>" says so when the record just added is not
// among them. Set it where the statement that fills the combo chooses its rows.
void setListingRule(QComboBox *combo, const QString &rule);

// After an "<Add New>" editor has closed: runs `refill`, which may refill several combos
// from one read, then gives each combo of `keep` back the entry it showed before (by its
// record id, or by its place for a leading entry) and shows in `combo` the record
// `addedId` that the editor added. Never another record: with none added (0), `combo`
// shows no entry; with one that the refilled list leaves out, no entry either, and an
// information box tells why, with the combo's listing rule (see setListingRule), unless
// the refill has told a failed read.
void refillAndSelectAdded(QComboBox *combo, const std::function<void()> &refill, int addedId,
                          const QList<QComboBox *> &keep = {});

// The "<Add New>" entry of `combo`: runs `Editor` modally for a new record, then
// refillAndSelectAdded with the record the editor added (its addedId()). The editor is
// built without a parent, as the list windows build theirs: its own window flags would
// make it a part of the calling window otherwise.
template <class Editor>
void addNewComboItem(QComboBox *combo, const std::function<void()> &refill, const QList<QComboBox *> &keep = {})
{
    Editor editor(nullptr, 0);
    ScreenFit::exec(editor);
    refillAndSelectAdded(combo, refill, editor.addedId(), keep);
}
// Opens the combo's list as wide as its widest entry, so that an entry the closed combo
// cuts short ("20100: Accounts Pay...") is read whole when choosing. Call after filling.
void showEntriesWhole(QComboBox *combo);

// Lets `combo` ask for the width of its widest entry, each entry measured once, and take it
// where its window has the room; a narrower window shrinks it down to the minimum width
// that its form gives it (without one, the combo keeps the whole width), and its list
// opens as wide as its widest entry all the same. Call after every fill.
void growToWidestEntry(QComboBox *combo);

#endif // COMBOBOXES_H
