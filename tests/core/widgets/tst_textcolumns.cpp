#include "core/widgets/textcolumns.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

class tst_textcolumns : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void columnsAsTheSchemaDeclaresThem_data();
    void columnsAsTheSchemaDeclaresThem();
    void fieldStopsAtItsColumnsLength_data();
    void fieldStopsAtItsColumnsLength();
    void unstorableTextIsRefusedByName_data();
    void unstorableTextIsRefusedByName();
};

void tst_textcolumns::init()
{
    MessageRecorder::clear();
}

void tst_textcolumns::columnsAsTheSchemaDeclaresThem_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("charset");
    QTest::newRow("a name") << "persons" << "PersonName" << 45 << "utf8";
    QTest::newRow("notes") << "customers" << "Notes" << 500 << "utf8";
    QTest::newRow("names matched without case") << "Users" << "username" << 45 << "utf8";
    QTest::newRow("a column of its own character set") << "purchaseinvoice" << "PaymentMethod" << 1 << "latin1";
    QTest::newRow("a number is no text") << "customers" << "StandardDiscount" << 0 << "";
    QTest::newRow("no such column") << "customers" << "Nothing" << 0 << "";
}

void tst_textcolumns::columnsAsTheSchemaDeclaresThem()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, length);
    QFETCH(QString, charset);
    QCOMPARE(TextColumns::columnLength(table, column), length);
    QCOMPARE(TextColumns::columnCharset(table, column), charset);
}

void tst_textcolumns::fieldStopsAtItsColumnsLength_data()
{
    QTest::addColumn<bool>("plainText"); // a QPlainTextEdit, else a QLineEdit
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("kept");
    QTest::newRow("a line at its column's length") << false << 45 << 45;
    QTest::newRow("a line over it stops there") << false << 50 << 45;
    QTest::newRow("notes at their column's length") << true << 500 << 500;
    QTest::newRow("notes over it stop there") << true << 600 << 500;
}

void tst_textcolumns::fieldStopsAtItsColumnsLength()
{
    QFETCH(bool, plainText);
    QFETCH(int, typed);
    QFETCH(int, kept);
    QWidget form;
    QLabel label("Notes:", &form);
    QLineEdit line(&form);
    QPlainTextEdit notes(&form);
    TextColumns::limit("customers", {{&line, "CustomerName", &label}, {&notes, "Notes", &label}});

    const QString text(typed, QLatin1Char('x'));
    if (plainText) {
        // Pasted in the middle of what was there: the excess goes from what was pasted.
        notes.setPlainText("ab");
        QTextCursor cursor = notes.textCursor();
        cursor.setPosition(1);
        notes.setTextCursor(cursor);
        notes.insertPlainText(text);
        QCOMPARE(notes.toPlainText().size(), kept);
        QVERIFY(notes.toPlainText().startsWith('a') && notes.toPlainText().endsWith('b'));
    } else {
        QTest::keyClicks(&line, text);
        QCOMPARE(line.text().size(), kept);
    }
}

void tst_textcolumns::unstorableTextIsRefusedByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("refused"); // the field named; empty: storable
    QTest::newRow("Arabic and accents fit utf8") << QString::fromUtf8("شركة Café") << "" << "";
    QTest::newRow("an emoji in the name") << QString::fromUtf8("Nile \xF0\x9F\x98\x80") << "" << "Customer name";
    QTest::newRow("a rare CJK character in the notes")
        << "Nile" << QString::fromUtf8("\xF0\xA0\x80\x80") << "Notes";
    QTest::newRow("the first field is named first")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << QString::fromUtf8("\xF0\x9F\x98\x80") << "Customer name";
}

void tst_textcolumns::unstorableTextIsRefusedByName()
{
    QFETCH(QString, name);
    QFETCH(QString, notes);
    QFETCH(QString, refused);
    QWidget form;
    QLabel nameLabel("Customer name:", &form);
    QLineEdit nameEdit(&form);
    QLabel notesLabel("&Notes:", &form);
    QPlainTextEdit notesEdit(&form);
    TextColumns::limit("customers", {{&nameEdit, "CustomerName", &nameLabel}, {&notesEdit, "Notes", &notesLabel}});
    nameEdit.setText(name);
    notesEdit.setPlainText(notes);

    QCOMPARE(TextColumns::storable(&form), refused.isEmpty());

    if (refused.isEmpty()) {
        QCOMPARE(messageLog(), QString());
        return;
    }
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, refused + " holds a character that cannot be stored, "
                                                                      "such as an emoji. Remove it and save again."));
    // What was typed stays, for the user to mend.
    QCOMPARE(nameEdit.text(), name);
    QCOMPARE(notesEdit.toPlainText(), notes);
}

ZARPO_TEST_MAIN(tst_textcolumns)
#include "tst_textcolumns.moc"
