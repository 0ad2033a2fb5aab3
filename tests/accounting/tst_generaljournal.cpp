#include "accounting/frmGeneralJournal.h"
#include "accounting/frmGeneralJournalView.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
const QString mustBePositive = "Transaction must have a positive value greater than zero";
const QString notBalanced = "The transaction is not balanced, debit total must be equal to credit total";
const QString deleteQuestion = "Delete general journal and all its transactions?";

// Adds a line through the line dialog as a user would; `line` reads
// "<account number> <D or C> <amount> [comment]", as in "50400 D 60 paper".
void addLine(QWidget *editor, const QString &line)
{
    TestSupport::whenModal([line](QWidget *dialog) {
        auto *accounts = dialog->findChild<QComboBox *>("cmbAccount");
        const int index = accounts->findText(line.section(' ', 0, 0) + ":", Qt::MatchStartsWith);
        QVERIFY2(index >= 0, qPrintable(line));
        accounts->setCurrentIndex(index);
        if (line.section(' ', 1, 1) == "C")
            QTest::mouseClick(dialog->findChild<QRadioButton *>("radCredit"), Qt::LeftButton);
        dialog->findChild<QDoubleSpinBox *>("spinAmount")->setValue(line.section(' ', 2, 2).toDouble());
        QTest::keyClicks(dialog->findChild<QLineEdit *>("txtComment"), line.section(' ', 3));
        click(dialog, "btnSave");
    });
    click(editor, "btnAdd");
}

QTableWidget *grid(QWidget *editor)
{
    return editor->findChild<QTableWidget *>("tblJournal");
}

// Every grid row as "TransactionId|AccountId|Account Name|Debit|Credit|Comment".
QStringList gridLines(QWidget *editor)
{
    QStringList lines;
    for (int row = 0; row < grid(editor)->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 6; ++column) {
            QTableWidgetItem *item = grid(editor)->item(row, column);
            cells << (item ? item->text() : "<none>");
        }
        lines << cells.join('|');
    }
    return lines;
}

void chooseLine(QWidget *editor, const QString &transactionId)
{
    const QList<QTableWidgetItem *> found = grid(editor)->findItems(transactionId, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty() && found.first()->column() == 0, qPrintable(transactionId));
    grid(editor)->selectRow(found.first()->row());
}

QString totals(QWidget *editor)
{
    return editor->findChild<QLineEdit *>("txtTotalDebit")->text() + "/" +
           editor->findChild<QLineEdit *>("txtTotalCredit")->text();
}

QTextEdit *description(QWidget *editor)
{
    return editor->findChild<QTextEdit *>("txtDescription");
}

// The stored lines of an entry in the order they were written, as
// "AccountId/Debit/Credit/Comment", with the TransactionId first when asked for.
QString storedLines(int journalId, bool withIds = false)
{
    return TestSupport::queryValue(
               QString("select group_concat(concat_ws('/', %1AccountId, Debit, Credit, Comment) "
                       "order by TransactionId separator ' | ') from generaljournaltransactions "
                       "where GeneralJournalId = %2")
                   .arg(withIds ? "TransactionId, " : "")
                   .arg(journalId))
        .toString();
}

int entryCount()
{
    return TestSupport::queryValue("select count(*) from generaljournal").toInt();
}

QTableView *listTable(QWidget *list)
{
    return list->findChild<QTableView *>("tblTransactions");
}

int listRowOf(QWidget *list, int journalId)
{
    QAbstractItemModel *model = listTable(list)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, 0).data().toInt() == journalId)
            return row;
    return -1;
}

// The listed entries as "id:value", in id order.
QString listed(QWidget *list)
{
    QAbstractItemModel *model = listTable(list)->model();
    QMap<int, QString> entries;
    for (int row = 0; row < model->rowCount(); ++row)
        entries.insert(model->index(row, 0).data().toInt(), model->index(row, 3).data().toString());
    QStringList shown;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        shown << QString::number(it.key()) + ":" + it.value();
    return shown.join(',');
}

void searchRange(QWidget *list, const QDate &from, const QDate &to)
{
    list->findChild<QDateEdit *>("dtFrom")->setDate(from);
    list->findChild<QDateEdit *>("dtTo")->setDate(to);
    click(list, "btnSearch");
}

// Opens a stored entry in the editor through Search, choosing it in the list with Edit.
void openEntry(QWidget *editor, int journalId)
{
    TestSupport::whenModal([journalId](QWidget *list) {
        const int row = listRowOf(list, journalId);
        QVERIFY2(row >= 0, qPrintable(QString::number(journalId)));
        listTable(list)->selectRow(row);
        click(list, "btnEdit");
    });
    click(editor, "btnSearch");
}

// Entry 7 of 10 March 2013, its lines 21 to 23 balanced at 100.
void insertEntrySeven()
{
    EXEC_SQL("insert into generaljournal values (7, '2013-03-10', 'Opening')");
    EXEC_SQL("insert into generaljournaltransactions values (21, 7, 35, 100, 0, 'a'), (22, 7, 36, 0, 60, 'b'), "
             "(23, 7, 49, 0, 40, 'c')");
}

// Entries 1 to 4 around January 2013 with their lines; entry 5 has none.
void insertJanuaryEntries()
{
    EXEC_SQL("insert into generaljournal values (1, '2012-12-31', 'Year end'), (2, '2013-01-01', 'New year'), "
             "(3, '2013-01-31', 'Month end'), (4, '2013-02-01', 'February'), (5, '2013-01-15', 'No lines')");
    EXEC_SQL("insert into generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit, Comment) values "
             "(1, 35, 10, 0, ''), (1, 36, 0, 10, ''), (2, 35, 100, 0, ''), (2, 109, 50, 0, ''), "
             "(2, 36, 0, 150, ''), (3, 35, 20, 0, ''), (3, 36, 0, 20, ''), (4, 35, 40, 0, ''), (4, 36, 0, 40, '')");
}
}

class tst_generaljournal : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saveChecksTheTotals_data();
    void saveChecksTheTotals();
    void newEntryIsStored_data();
    void newEntryIsStored();
    void cancelledLineAddsNothing();
    void removeWithoutChosenLineDoesNothing_data();
    void removeWithoutChosenLineDoesNothing();
    void reopenedEntrySavesOnlyItsChanges();
    void storedEmptyDateStaysEmpty();
    void twoEditorsEachUpdateTheirOwnEntry();
    void anotherUsersChangeIsNeverMixedIn_data();
    void anotherUsersChangeIsNeverMixedIn();
    void refusedLineKeepsNothing_data();
    void refusedLineKeepsNothing();
    void listDateRange_data();
    void listDateRange();
    void listCommands_data();
    void listCommands();
    void doubleClickHandsTheEntryToTheEditor();
};

void tst_generaljournal::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_generaljournal::saveChecksTheTotals_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownTotals");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::newRow("empty entry") << QStringList() << "" << "0/0" << mustBePositive;
    QTest::newRow("debit only") << QStringList{"10100 D 100"} << "" << "100/0" << mustBePositive;
    QTest::newRow("unequal totals") << QStringList{"50400 D 100", "10100 C 60"} << "" << "100/60" << notBalanced;
    QTest::newRow("equal once rounded to cents")
        << QStringList{"50400 D 0.1", "50500 D 0.2", "10100 C 0.3"} << "" << "0.3/0.3" << "";
    QTest::newRow("description longer than its column")
        << QStringList{"50400 D 5", "10100 C 5"} << QString(201, 'x') << "5/5"
        << "Description is longer than the 200 characters it can hold. Shorten it and save again.";
    QTest::newRow("description with a character its column cannot hold")
        << QStringList{"50400 D 5", "10100 C 5"} << QString::fromUtf8("Café \xE2\x98\x95 Shop \xF0\x9F\x98\x80")
        << "5/5" << "Description holds a character that cannot be stored, such as an emoji. Remove it and save again.";
    QTest::newRow("description with accents and a cup stored as typed")
        << QStringList{"50400 D 5", "10100 C 5"} << QString::fromUtf8("Café \xE2\x98\x95 Shop") << "5/5" << "";
    QTest::newRow("description as long as its column")
        << QStringList{"50400 D 5", "10100 C 5"} << QString(200, 'x') << "5/5" << "";
}

void tst_generaljournal::saveChecksTheTotals()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, typed);
    QFETCH(QString, shownTotals);
    QFETCH(QString, message);
    frmGeneralJournal editor;
    for (const QString &line : lines)
        addLine(&editor, line);
    description(&editor)->setPlainText(typed);
    QCOMPARE(totals(&editor), shownTotals);

    click(&editor, "btnSave");

    if (message.isEmpty()) {
        QCOMPARE(messageLog(), QString());
        QCOMPARE(entryCount(), 1);
        QCOMPARE(TestSupport::queryValue("select Description from generaljournal").toString(), typed);
        return;
    }
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, message));
    QCOMPARE(entryCount(), 0);
    QCOMPARE(grid(&editor)->rowCount(), lines.size());
    QCOMPARE(totals(&editor), shownTotals);
    QCOMPARE(description(&editor)->toPlainText(), typed);
}

void tst_generaljournal::newEntryIsStored_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("shownTotals");
    QTest::addColumn<QVariant>("storedDescription");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lines in grid order, empty description as NULL")
        << "" << QStringList{"50400 D 60 paper", "50500 D 40", "10100 C 100 paid in cash"} << "100/100"
        << QVariant(QVariant::String) << "109/60.00/0.00/paper | 110/40.00/0.00/ | 35/0.00/100.00/paid in cash";
    QTest::newRow("description kept with its blanks")
        << "  Rent, May " << QStringList{"50400 D 12.5", "10100 C 12.5"} << "12.5/12.5" << QVariant("  Rent, May ")
        << "109/12.50/0.00/ | 35/0.00/12.50/";
    // A line holds up to 99999999.99; the server would silently cut a larger amount.
    QTest::newRow("amount no larger than a line holds")
        << "" << QStringList{"50400 D 2000000000", "10100 C 2000000000"} << "99999999.99/99999999.99"
        << QVariant(QVariant::String) << "109/99999999.99/0.00/ | 35/0.00/99999999.99/";
}

void tst_generaljournal::newEntryIsStored()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);
    QFETCH(QString, shownTotals);
    QFETCH(QVariant, storedDescription);
    QFETCH(QString, stored);
    frmGeneralJournal editor;
    editor.findChild<QDateEdit *>("dtDate")->setDate(QDate(2013, 5, 24));
    description(&editor)->setPlainText(typed);
    for (const QString &line : lines)
        addLine(&editor, line);
    QCOMPARE(totals(&editor), shownTotals);

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(entryCount(), 1);
    const int id = TestSupport::queryValue("select GeneralJournalId from generaljournal").toInt();
    QCOMPARE(TestSupport::queryValue("select JournalDate from generaljournal").toDate(), QDate(2013, 5, 24));
    const QVariant storedText = TestSupport::queryValue("select Description from generaljournal");
    QCOMPARE(storedText.isNull(), storedDescription.isNull());
    QCOMPARE(storedText.toString(), storedDescription.toString());
    QCOMPARE(storedLines(id), stored);
    // Ready for the next entry, on the same date.
    QCOMPARE(grid(&editor)->rowCount(), 0);
    QCOMPARE(totals(&editor), QString("0/0"));
    QCOMPARE(description(&editor)->toPlainText(), QString());
    QCOMPARE(editor.findChild<QDateEdit *>("dtDate")->date(), QDate(2013, 5, 24));
}

void tst_generaljournal::cancelledLineAddsNothing()
{
    frmGeneralJournal editor;
    addLine(&editor, "50400 D 60 paper");
    TestSupport::whenModal([](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QRadioButton *>("radCredit"), Qt::LeftButton);
        dialog->findChild<QDoubleSpinBox *>("spinAmount")->setValue(250);
        QTest::keyClicks(dialog->findChild<QLineEdit *>("txtComment"), "rent");
        click(dialog, "btnCancel");
    });

    click(&editor, "btnAdd");

    QCOMPARE(gridLines(&editor), QStringList{"|109|50400: Office Supplies|60|0|paper"});
    QCOMPARE(totals(&editor), QString("60/0"));
}

void tst_generaljournal::removeWithoutChosenLineDoesNothing_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("deselected"); // chosen, then deselected with Ctrl+click
    QTest::newRow("empty grid") << QStringList() << false;
    QTest::newRow("lines but none chosen") << QStringList{"50400 D 60", "10100 C 60"} << false;
    QTest::newRow("chosen line deselected") << QStringList{"50400 D 60", "10100 C 60"} << true;
}

void tst_generaljournal::removeWithoutChosenLineDoesNothing()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, deselected);
    frmGeneralJournal editor;
    for (const QString &line : lines)
        addLine(&editor, line);
    if (deselected) {
        grid(&editor)->selectRow(1);
        grid(&editor)->selectionModel()->select(grid(&editor)->currentIndex(),
                                                QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        QCOMPARE(grid(&editor)->currentRow(), 1);
    }
    const QStringList before = gridLines(&editor);
    const QString totalsBefore = totals(&editor);

    click(&editor, "btnRemove");

    QCOMPARE(gridLines(&editor), before);
    QCOMPARE(totals(&editor), totalsBefore);
}

void tst_generaljournal::reopenedEntrySavesOnlyItsChanges()
{
    insertEntrySeven();
    frmGeneralJournal editor;
    openEntry(&editor, 7);
    chooseLine(&editor, "22");
    click(&editor, "btnRemove");
    // A line added and removed again before saving leaves no trace.
    addLine(&editor, "50400 C 15 dropped");
    grid(&editor)->selectRow(grid(&editor)->rowCount() - 1);
    click(&editor, "btnRemove");
    addLine(&editor, "20200 C 60 d");
    description(&editor)->setPlainText("Opening balance");
    editor.findChild<QDateEdit *>("dtDate")->setDate(QDate(2013, 3, 11));

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(entryCount(), 1);
    QCOMPARE(TestSupport::queryValue("select concat(JournalDate, ' ', Description) from generaljournal "
                                     "where GeneralJournalId = 7").toString(),
             QString("2013-03-11 Opening balance"));
    const int added = TestSupport::queryValue("select max(TransactionId) from generaljournaltransactions").toInt();
    QVERIFY(added > 23);
    QCOMPARE(storedLines(7, true),
             QString("21/35/100.00/0.00/a | 23/49/0.00/40.00/c | %1/50/0.00/60.00/d").arg(added));
    QCOMPARE(grid(&editor)->rowCount(), 0);
}

// An entry stored with no date (the zero date another program may leave) keeps it when
// only its description changes: a save never dates it today unseen. New then starts the
// next entry from today.
void tst_generaljournal::storedEmptyDateStaysEmpty()
{
    insertEntrySeven();
    EXEC_SQL("update generaljournal set JournalDate = '0000-00-00' where GeneralJournalId = 7");
    frmGeneralJournal editor;
    openEntry(&editor, 7);
    description(&editor)->setPlainText("Opening balance");

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select concat(JournalDate, ' ', Description) from generaljournal "
                                     "where GeneralJournalId = 7").toString(),
             QString("0000-00-00 Opening balance"));
    QCOMPARE(editor.findChild<QDateEdit *>("dtDate")->date(), QDate::currentDate());
    addLine(&editor, "50400 D 60");
    addLine(&editor, "10100 C 60");
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select JournalDate from generaljournal where GeneralJournalId <> 7").toDate(),
             QDate::currentDate());
}

void tst_generaljournal::twoEditorsEachUpdateTheirOwnEntry()
{
    insertEntrySeven();
    EXEC_SQL("insert into generaljournal values (8, '2013-03-12', 'Second')");
    EXEC_SQL("insert into generaljournaltransactions values (31, 8, 35, 5, 0, ''), (32, 8, 36, 0, 5, '')");
    frmGeneralJournal first;
    frmGeneralJournal second;
    openEntry(&first, 7);
    openEntry(&second, 8);

    description(&first)->setPlainText("changed in the first");
    click(&first, "btnSave");
    description(&second)->setPlainText("changed in the second");
    click(&second, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(entryCount(), 2);
    QCOMPARE(TestSupport::queryValue("select group_concat(concat(GeneralJournalId, ':', Description) "
                                     "order by GeneralJournalId) from generaljournal").toString(),
             QString("7:changed in the first,8:changed in the second"));
    QCOMPARE(storedLines(7, true), QString("21/35/100.00/0.00/a | 22/36/0.00/60.00/b | 23/49/0.00/40.00/c"));
    QCOMPARE(storedLines(8, true), QString("31/35/5.00/0.00/ | 32/36/0.00/5.00/"));
}

void tst_generaljournal::anotherUsersChangeIsNeverMixedIn_data()
{
    QTest::addColumn<QStringList>("otherUser");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");

    const QString gone = "Another user has deleted this record meanwhile. Nothing was saved.";
    const QString changed = "Another user has changed this journal entry meanwhile. Nothing was saved.";
    QTest::newRow("the same line moved by the other user")
        << QStringList{"delete from generaljournaltransactions where TransactionId = 22",
                       "insert into generaljournaltransactions values (24, 7, 50, 0, 60, 'other')"}
        << changed << "21/35/100.00/0.00/a | 23/49/0.00/40.00/c | 24/50/0.00/60.00/other";
    QTest::newRow("the entry deleted by the other user")
        << QStringList{"delete from generaljournal where GeneralJournalId = 7"} << gone << "";
    QTest::newRow("amounts changed by the other user would unbalance it")
        << QStringList{"update generaljournaltransactions set Debit = 120 where TransactionId = 21",
                       "update generaljournaltransactions set Credit = 80 where TransactionId = 22"}
        << changed << "21/35/120.00/0.00/a | 22/36/0.00/80.00/b | 23/49/0.00/40.00/c";
}

// Two users edit entry 7: this editor moves line 22 to another account while the other
// user's save has already changed the entry.
void tst_generaljournal::anotherUsersChangeIsNeverMixedIn()
{
    QFETCH(QStringList, otherUser);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    insertEntrySeven();
    frmGeneralJournal editor;
    openEntry(&editor, 7);
    chooseLine(&editor, "22");
    click(&editor, "btnRemove");
    addLine(&editor, "20200 C 60 d");
    const QStringList typedLines = gridLines(&editor);
    {
        QSqlDatabase other = QSqlDatabase::cloneDatabase(QSqlDatabase::database(), "other user");
        QVERIFY(other.open());
        for (const QString &statement : otherUser)
            QVERIFY2(QSqlQuery(other).exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase("other user");

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), messageEntry(Messages::Critical, message));
    QCOMPARE(storedLines(7, true), stored);
    QCOMPARE(gridLines(&editor), typedLines);
}

void tst_generaljournal::refusedLineKeepsNothing_data()
{
    QTest::addColumn<bool>("reopened");
    QTest::newRow("new entry") << false;
    QTest::newRow("reopened entry") << true;
}

void tst_generaljournal::refusedLineKeepsNothing()
{
    QFETCH(bool, reopened);
    EXEC_SQL("insert into accounts (AccountId, AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
             "values (200, '10900', 'Petty Cash', 1, 2, 34)");
    frmGeneralJournal editor;
    if (reopened) {
        insertEntrySeven();
        openEntry(&editor, 7);
        chooseLine(&editor, "22");
        click(&editor, "btnRemove");
        addLine(&editor, "10900 C 60 petty");
    } else {
        addLine(&editor, "10100 D 100");
        addLine(&editor, "10900 C 100 petty");
    }
    description(&editor)->setPlainText("Typed");
    const QStringList typedLines = gridLines(&editor);
    const QString typedTotals = totals(&editor);
    const QString storedBefore = storedLines(7, true);
    // Someone deletes the line's account while the entry is being written.
    EXEC_SQL("delete from accounts where AccountId = 200");

    click(&editor, "btnSave");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.startsWith(msgInsertFailed + "\n"), qPrintable(messageLog()));
    QVERIFY2(MessageRecorder::last().text.contains("foreign key"), qPrintable(messageLog()));
    QCOMPARE(entryCount(), reopened ? 1 : 0);
    QCOMPARE(TestSupport::queryValue("select count(*) from generaljournaltransactions").toInt(), reopened ? 3 : 0);
    QCOMPARE(storedLines(7, true), storedBefore);
    if (reopened)
        QCOMPARE(TestSupport::queryValue("select Description from generaljournal").toString(), QString("Opening"));
    QCOMPARE(gridLines(&editor), typedLines);
    QCOMPARE(totals(&editor), typedTotals);
    QCOMPARE(description(&editor)->toPlainText(), QString("Typed"));

    // Mended, the same entry saves: a reopened one is still the one updated.
    MessageRecorder::clear();
    const QList<QTableWidgetItem *> refused = grid(&editor)->findItems("10900: Petty Cash", Qt::MatchExactly);
    QCOMPARE(refused.size(), 1);
    grid(&editor)->selectRow(refused.first()->row());
    click(&editor, "btnRemove");
    addLine(&editor, reopened ? "20200 C 60" : "20100 C 100");
    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(entryCount(), 1);
    QCOMPARE(TestSupport::queryValue("select Description from generaljournal").toString(), QString("Typed"));
    if (reopened)
        QCOMPARE(TestSupport::queryValue("select group_concat(TransactionId order by TransactionId) "
                                         "from generaljournaltransactions where TransactionId <= 23").toString(),
                 QString("21,23"));
    QCOMPARE(TestSupport::queryValue("select count(*) from generaljournaltransactions").toInt(), reopened ? 3 : 2);
}

void tst_generaljournal::listDateRange_data()
{
    QTest::addColumn<QDate>("from"); // invalid: no Search
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("shown");
    QTest::newRow("every entry with lines when opened") << QDate() << QDate() << "1:10,2:150,3:20,4:40";
    QTest::newRow("both bounds included") << QDate(2013, 1, 1) << QDate(2013, 1, 31) << "2:150,3:20";
    QTest::newRow("one day") << QDate(2013, 1, 31) << QDate(2013, 1, 31) << "3:20";
    QTest::newRow("From after To lists nothing") << QDate(2013, 1, 31) << QDate(2013, 1, 1) << "";
}

void tst_generaljournal::listDateRange()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, shown);
    insertJanuaryEntries();
    frmGeneralJournalView list;

    if (from.isValid())
        searchRange(&list, from, to);

    QCOMPARE(listed(&list), shown);
    QCOMPARE(messageLog(), QString());
}

void tst_generaljournal::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chosen"); // 0: no row chosen
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("linesOfEntryTwo");
    QTest::newRow("edit without a row") << "btnEdit" << 0 << int(QMessageBox::NoButton)
                                        << messageEntry(Messages::Information, msgSelectItemToEdit) << "2:150,3:20" << 3;
    QTest::newRow("delete without a row") << "btnDelete" << 0 << int(QMessageBox::NoButton)
                                          << messageEntry(Messages::Information, msgSelectItemToDelete) << "2:150,3:20"
                                          << 3;
    QTest::newRow("delete answered No") << "btnDelete" << 2 << int(QMessageBox::No)
                                        << messageEntry(Messages::Question, deleteQuestion) << "2:150,3:20" << 3;
    QTest::newRow("delete takes the lines and keeps the range")
        << "btnDelete" << 2 << int(QMessageBox::Yes) << messageEntry(Messages::Question, deleteQuestion) << "3:20" << 0;
}

void tst_generaljournal::listCommands()
{
    QFETCH(QString, button);
    QFETCH(int, chosen);
    QFETCH(int, answer);
    QFETCH(QString, messages);
    QFETCH(QString, shown);
    QFETCH(int, linesOfEntryTwo);
    insertJanuaryEntries();
    frmGeneralJournalView list;
    searchRange(&list, QDate(2013, 1, 1), QDate(2013, 1, 31));
    if (chosen)
        listTable(&list)->selectRow(listRowOf(&list, chosen));
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));
    const int pickedBefore = pickedJournalId;

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages);
    QCOMPARE(listed(&list), shown);
    QCOMPARE(TestSupport::queryValue("select count(*) from generaljournaltransactions where GeneralJournalId = 2")
                 .toInt(),
             linesOfEntryTwo);
    QCOMPARE(list.result(), int(QDialog::Rejected));
    QCOMPARE(pickedJournalId, pickedBefore);
}

void tst_generaljournal::doubleClickHandsTheEntryToTheEditor()
{
    insertEntrySeven();
    insertJanuaryEntries();
    frmGeneralJournal editor;
    TestSupport::whenModal([](QWidget *list) { doubleClickRow(listTable(list), listRowOf(list, 7)); });

    click(&editor, "btnSearch");

    QCOMPARE(pickedJournalId, 7);
    QCOMPARE(editor.findChild<QDateEdit *>("dtDate")->date(), QDate(2013, 3, 10));
    QCOMPARE(description(&editor)->toPlainText(), QString("Opening"));
    QCOMPARE(gridLines(&editor), (QStringList{"21|35|10100:Bank Account|100|0|a",
                                              "22|36|10200:Accounts Receivable|0|60|b",
                                              "23|49|20100:Accounts Payable|0|40|c"}));
    QCOMPARE(totals(&editor), QString("100/100"));

    // Closing the list without a choice keeps what the editor holds.
    TestSupport::whenModal([](QWidget *list) { static_cast<QDialog *>(list)->reject(); });
    click(&editor, "btnSearch");

    QCOMPARE(pickedJournalId, 7);
    QCOMPARE(gridLines(&editor).size(), 3);
    QCOMPARE(description(&editor)->toPlainText(), QString("Opening"));
    QCOMPARE(messageLog(), QString());
}

ZARPO_TEST_MAIN(tst_generaljournal)
#include "tst_generaljournal.moc"
