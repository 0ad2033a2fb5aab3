#ifndef CREPORT_H
#define CREPORT_H

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QVector>

class QSqlError;
class QSqlQueryModel;
class QSqlRecord;
class QVariant;
class frmReportViewer;

// The steps every report generator shares: its template for the interface language,
// the date and the company's details, its statement, its rows as HTML, and the finished
// page in a new preview. A template that cannot be read or a statement that fails is
// told to the user, and then no preview is shown: a report never shows figures that
// were not read.
class cReport
{
    Q_DECLARE_TR_FUNCTIONS(cReport)

public:
    explicit cReport(const QString &templateFile);

    // The template's path: Reports/ar/ under the program's folder when languageCode is
    // exactly "ar", Reports/en/ for every other code.
    static QString templatePath(const QString &templateFile);

    // Reads the template; false, after telling the user its path, when it cannot be read.
    bool readTemplate();

    // Runs `sql` on the default connection, opened again when the server dropped it, into
    // `model`; false, after showing the server's error, when the statement fails.
    static bool runQuery(QSqlQueryModel &model, const QString &sql);
    static void reportFailure(const QSqlError &error);

    // The template with "$DATE" (today in dateFormat), the company's details and
    // `values` put in escaped, and `html` (rows built here) as it stands, all in one pass:
    // a name holding "$DETAILS" stays as typed.
    QString page(const QHash<QString, QString> &values, const QHash<QString, QString> &html = {}) const;

    // The page in a new preview window of its own, deleted when closed.
    static frmReportViewer *show(const QString &page);

    // A value as a cell shows it: text as stored, numbers in their shortest form with
    // at most 15 significant digits (100.00 as 100, 12.50 as 12.5), dates and times in
    // ISO form; NULL as empty text, or as 0 in a numeric column.
    static QString cellText(const QVariant &value);
    // "<td> text </td>", the text escaped, its Arabic and Latin runs in spans of their own
    // where it mixes them and a phone's digit groups kept on one line; with a class,
    // <td class="name"> as the start.
    // A template aligns its figures by such a class, never by the column's place: the web
    // view styles a long table by :nth-child in a time that grows with the square of its
    // rows.
    static QString cell(const QString &text, const QString &className = QString());
    // A cell of class "number".
    static QString numberCell(const QString &text);
    // "<tr>", a cell per column of `record` in its order, "</tr>".
    static QString row(const QSqlRecord &record);
    // The rows of every result row, in the order of the result.
    static QString rows(const QSqlQueryModel &model);

    // The runs of consecutive rows with the same value in `keyColumn`, each as the
    // number of its first row and the number after its last: the groups of a grouped
    // report, whose statement orders the rows of one group together.
    struct Run
    {
        int first;
        int end;
    };
    static QVector<Run> runs(const QSqlQueryModel &model, int keyColumn);

    // A flat report whole: the template, the statement, a row per result row in place
    // of `detailsToken`, and the preview. Nothing is shown when a step fails.
    static void showFlat(const QString &templateFile, const QString &sql, const QString &detailsToken);

    // How a grouped report shows its groups: per run of rows with one key in column 0, a
    // copy of `block` with `nameToken` filled (escaped) by column 1 and `rowsToken` by a
    // row per result row holding the cells of `columns`, in that order; those of
    // `numberColumns` are number cells.
    struct Groups
    {
        QString block;
        QString nameToken;
        QString rowsToken;
        QVector<int> columns;
        QVector<int> numberColumns;
    };
    // A grouped report whole: the template, the statement, its groups in place of
    // `detailsToken`, and the preview. Nothing is shown when a step fails.
    static void showGrouped(const QString &templateFile, const QString &sql, const QString &detailsToken,
                            const Groups &groups);

private:
    QString templateFile;
    QString html;
};

#endif // CREPORT_H
