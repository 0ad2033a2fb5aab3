#include "core/widgets/textcolumns.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

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
    QTest::addColumn<QString>("description"); // a QTextEdit, as the journal's
    QTest::addColumn<QString>("refused");     // the refusal; empty: storable

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString character = " holds a character that cannot be stored, such as an emoji. Remove it and save again.";
    QTest::newRow("Arabic and accents fit utf8") << QString::fromUtf8("شركة Café") << "" << "" << "";
    QTest::newRow("an emoji in the name") << "Nile " + emoji << "" << "" << "Customer name" + character;
    QTest::newRow("a rare CJK character in the notes")
        << "Nile" << QString::fromUtf8("\xF0\xA0\x80\x80") << "" << "Notes" + character;
    QTest::newRow("the first field is named first") << emoji << emoji << "" << "Customer name" + character;
    QTest::newRow("an emoji in a text edit")
        << "Nile" << "" << QString::fromUtf8("Café ☕ Shop ") + emoji << "Description" + character;
    QTest::newRow("a text edit at its column's length") << "Nile" << "" << QString(200, 'd') << "";
    QTest::newRow("a text edit over it, refused rather than cut")
        << "Nile" << "" << QString(201, 'd')
        << "Description is longer than the 200 characters it can hold. Shorten it and save again.";
    QTest::newRow("characters counted as the server counts them")
        << "Nile" << QString(499, 'n') + QString::fromUtf8("é") << QString(199, 'd') + QString::fromUtf8("ü") << "";
}

void tst_textcolumns::unstorableTextIsRefusedByName()
{
    QFETCH(QString, name);
    QFETCH(QString, notes);
    QFETCH(QString, description);
    QFETCH(QString, refused);
    QWidget form;
    QLabel nameLabel("Customer name:", &form);
    QLineEdit nameEdit(&form);
    QLabel notesLabel("&Notes:", &form);
    QPlainTextEdit notesEdit(&form);
    QLabel descriptionLabel("Description:", &form);
    QTextEdit descriptionEdit(&form);
    TextColumns::limit("customers", {{&nameEdit, "CustomerName", &nameLabel}, {&notesEdit, "Notes", &notesLabel}});
    TextColumns::limit("generaljournal", {{&descriptionEdit, "Description", &descriptionLabel}});
    nameEdit.setText(name);
    notesEdit.setPlainText(notes);
    descriptionEdit.setPlainText(description);

    QCOMPARE(TextColumns::storable(&form), refused.isEmpty());

    QCOMPARE(messageLog(), refused.isEmpty() ? QString() : messageEntry(Messages::Critical, refused));
    // What was typed stays, for the user to mend.
    QCOMPARE(nameEdit.text(), name);
    QCOMPARE(notesEdit.toPlainText(), notes);
    QCOMPARE(descriptionEdit.toPlainText(), description);
}

ZARPO_TEST_MAIN(tst_textcolumns)
#include "tst_textcolumns.moc"
