#ifndef HTMLTEMPLATE_H
#define HTMLTEMPLATE_H

#include <QHash>
#include <QString>

// Fills an HTML page: every occurrence of each key of `values` (a literal text such as
// "$V0$", "$DATE" or "<td>$DETAILS</td>", matched case-sensitively) is replaced by its
// value HTML-escaped (< > & " '), and each key of `html` by its value as it stands, for
// parts already built as HTML from escaped values. One pass over the page, so an
// inserted value is never searched for placeholders; where two keys start at one place
// the longer wins. Text that no key matches stays as it is.
QString fillTemplate(const QString &page, const QHash<QString, QString> &values,
                     const QHash<QString, QString> &html = {});

#endif // HTMLTEMPLATE_H
