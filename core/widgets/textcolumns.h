#ifndef TEXTCOLUMNS_H
#define TEXTCOLUMNS_H

#include <QList>
#include <QString>

class QLabel;
class QWidget;

// Text fields tied to the columns that store them. The server is not strict: text longer
// than its column is cut, and characters outside the column's character set are stored
// as "?", both without a word. So a field takes no more characters than its column holds,
// and a save refuses, naming the field, text that the column cannot store: too long, or
// with a character its character set lacks.
//
//     TextColumns::limit(QStringLiteral("persons"), {{ui->txtName, "PersonName", ui->lblName}, ...});
//     ...
//     if (!TextColumns::storable(this)) return false;   // first thing a save does
namespace TextColumns {

struct Field
{
    QWidget *edit;       // a QLineEdit, a QPlainTextEdit or a QTextEdit
    QString column;      // its column in the table
    const QLabel *label; // whose text names the field in a refusal
};

// Limits each field to the length of its column in the schema the program creates its
// companies with, and marks it for storable(). A QTextEdit is not cut as it is typed: it
// keeps what was typed or pasted for storable() to refuse. A column that is not text
// there leaves its field as it was.
void limit(const QString &table, const QList<Field> &fields);

// True when every marked field within `form` holds only what its column can store: no
// more characters than it holds and none outside its character set. Otherwise shows a
// message naming the first field that does not, puts the focus on it and returns false.
bool storable(QWidget *form);

// The length of `table`.`column` in characters and its character set ("utf8", "latin1",
// ...) as the schema declares them; 0 and empty for a column that is not text.
int columnLength(const QString &table, const QString &column);
QString columnCharset(const QString &table, const QString &column);

// True when a column of `charset` can hold every character of `text`: utf8 (three bytes
// at most) holds no character beyond U+FFFF, such as most emoji; latin1 none beyond U+00FF.
bool fitsCharset(const QString &text, const QString &charset);

} // namespace TextColumns

#endif // TEXTCOLUMNS_H
