#include "core/widgets/textcolumns.h"

#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/fieldnames.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextEdit>

namespace TextColumns {

namespace {
const char charsetProperty[] = "zarpoColumnCharset";
const char lengthProperty[] = "zarpoColumnLength";

struct Column
{
    int length = 0;
    QString charset;
};

// "table.column" in lower case (the server matches names without case) to its length
// and character set, read once from the compiled-in schema script: the columns are
// known without asking the server.
const QHash<QString, Column> &schemaColumns()
{
    static const QHash<QString, Column> columns = [] {
        QHash<QString, Column> found;
        QFile file(QStringLiteral(":/db/dbscript/dbscript"));
        if (!file.open(QIODevice::ReadOnly))
            return found;
        const QString script = QString::fromUtf8(file.readAll());
        static const QRegularExpression table(QStringLiteral("CREATE TABLE `(\\w+)` \\((.*?)\\n\\)([^;]*);"),
                                              QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression column(
            QStringLiteral("^\\s*`(\\w+)` (?:var)?char\\((\\d+)\\)(?: CHARACTER SET (\\w+))?"),
            QRegularExpression::MultilineOption);
        static const QRegularExpression tableCharset(QStringLiteral("CHARSET=(\\w+)"));
        for (auto tables = table.globalMatch(script); tables.hasNext();) {
            const QRegularExpressionMatch t = tables.next();
            const QRegularExpressionMatch charset = tableCharset.match(t.captured(3));
            const QString defaultCharset = charset.hasMatch() ? charset.captured(1) : QStringLiteral("utf8mb4");
            for (auto columns = column.globalMatch(t.captured(2)); columns.hasNext();) {
                const QRegularExpressionMatch c = columns.next();
                found.insert((t.captured(1) + QLatin1Char('.') + c.captured(1)).toLower(),
                             Column{c.captured(2).toInt(), c.captured(3).isEmpty() ? defaultCharset : c.captured(3)});
            }
        }
        return found;
    }();
    return columns;
}

Column schemaColumn(const QString &table, const QString &column)
{
    return schemaColumns().value((table + QLatin1Char('.') + column).toLower());
}

// A text edit has no maximum length of its own: what goes over is taken back from just
// before the cursor, where it was typed or pasted, so typing stops at the limit.
void limitPlainText(QPlainTextEdit *edit, int length)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, length]() {
        const int excess = edit->document()->characterCount() - 1 - length;
        if (excess <= 0)
            return;
        QTextCursor cursor = edit->textCursor();
        const int end = cursor.position() >= excess ? cursor.position() : edit->document()->characterCount() - 1;
        cursor.setPosition(end);
        cursor.setPosition(end - excess, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    });
}

QString fieldText(const QWidget *edit)
{
    if (auto *line = qobject_cast<const QLineEdit *>(edit))
        return line->text();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(edit))
        return plain->toPlainText();
    if (auto *rich = qobject_cast<const QTextEdit *>(edit))
        return rich->toPlainText();
    return QString();
}

}

void limit(const QString &table, const QList<Field> &fields)
{
    for (const Field &field : fields) {
        const Column column = schemaColumn(table, field.column);
        if (column.length <= 0)
            continue;
        if (auto *line = qobject_cast<QLineEdit *>(field.edit))
            line->setMaxLength(column.length);
        else if (auto *plain = qobject_cast<QPlainTextEdit *>(field.edit))
            limitPlainText(plain, column.length);
        field.edit->setProperty(charsetProperty, column.charset);
        field.edit->setProperty(lengthProperty, column.length);
        FieldNames::setLabel(field.edit, field.label);
    }
}

bool storable(QWidget *form)
{
    for (QWidget *edit : form->findChildren<QWidget *>()) {
        const QVariant charset = edit->property(charsetProperty);
        if (!charset.isValid())
            continue;
        const QString text = fieldText(edit);
        const int length = edit->property(lengthProperty).toInt();
        QString refusal;
        // The server counts characters, not the UTF-16 units of a QString.
        if (text.toUcs4().size() > length)
            refusal = QCoreApplication::translate("TextColumns",
                                                  "%1 is longer than the %2 characters it can hold. Shorten it "
                                                  "and save again.")
                          .arg(FieldNames::of(edit))
                          .arg(length);
        else if (!fitsCharset(text, charset.toString()))
            refusal = QCoreApplication::translate("TextColumns",
                                                  "%1 holds a character that cannot be stored, such as an "
                                                  "emoji. Remove it and save again.")
                          .arg(FieldNames::of(edit));
        else
            continue;
        Messages::critical(form, msgCaption, refusal);
        edit->setFocus();
        return false;
    }
    return true;
}

int columnLength(const QString &table, const QString &column)
{
    return schemaColumn(table, column).length;
}

QString columnCharset(const QString &table, const QString &column)
{
    return schemaColumn(table, column).charset;
}

bool fitsCharset(const QString &text, const QString &charset)
{
    const QString name = charset.toLower();
    if (name == QLatin1String("utf8") || name == QLatin1String("utf8mb3")) {
        for (const QChar c : text)
            if (c.isSurrogate())
                return false;
    } else if (name == QLatin1String("latin1")) {
        for (const QChar c : text)
            if (c.unicode() > 0xFF)
                return false;
    }
    return true;
}

} // namespace TextColumns
