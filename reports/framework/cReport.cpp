#include "reports/framework/cReport.h"

#include "core/db/connection.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/widgets/htmltemplate.h"
#include "core/widgets/direction.h"
#include "core/system/messages.h"
#include "core/system/seams.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/webtext.h"
#include "reports/framework/frmReportViewer.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QUrl>
#include <QWebView>

cReport::cReport(const QString &templateFile) : templateFile(templateFile) {}

QString cReport::templatePath(const QString &templateFile)
{
    const QString language = languageCode == QLatin1String("ar") ? QStringLiteral("ar") : QStringLiteral("en");
    return QDir(programDir()).filePath(QStringLiteral("Reports/%1/%2").arg(language, templateFile));
}

bool cReport::readTemplate()
{
    const QString path = templatePath(templateFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Messages::critical(nullptr, msgCaption,
                           tr("The report template %1 cannot be read.")
                                   .arg(Direction::leftToRight(QDir::toNativeSeparators(path)))
                               + QLatin1Char('\n') + file.errorString());
        return false;
    }
    html = QString::fromUtf8(file.readAll());
    return true;
}

bool cReport::runQuery(QSqlQueryModel &model, const QString &sql)
{
    model.setQuery(sql, liveDefaultConnection());
    // The model reads a large result in pieces as a view scrolls; a report needs it whole.
    while (!model.lastError().isValid() && model.canFetchMore())
        model.fetchMore();
    if (!model.query().isActive())
        reportFailure(failureOf(model.query()));
    else if (model.lastError().isValid())
        reportFailure(model.lastError());
    else
        return true;
    return false;
}

void cReport::reportFailure(const QSqlError &error)
{
    FailedReads::tell(nullptr, error);
}

QString cReport::page(const QHash<QString, QString> &values, const QHash<QString, QString> &htmlParts) const
{
    QHash<QString, QString> all = values;
    all.insert(QStringLiteral("$DATE"), QDate::currentDate().toString(dateFormat));
    all.insert(QStringLiteral("$COMPANY_NAME"), companyName);
    all.insert(QStringLiteral("$COMPANY_ADDRESS"), companyAddress);
    all.insert(QStringLiteral("$COMPANY_PHONE"), companyPhone);
    return fillTemplate(html, all, htmlParts);
}

frmReportViewer *cReport::show(const QString &page)
{
    auto *viewer = new frmReportViewer(nullptr);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    // Shown before the page is set: the web view lays its page out for the size it has,
    // and a page set while the preview is hidden is laid out once for a size it never shows
    // and again when shown, which for 100,000 rows is nine seconds more.
    ScreenFit::show(viewer);
    viewer->webView->setHtml(page, QUrl());
    return viewer;
}

QString cReport::cellText(const QVariant &value)
{
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::LongLong:
    case QVariant::ULongLong:
        return value.isNull() ? QStringLiteral("0") : value.toString();
    case QVariant::Double: {
        // The driver hands DECIMAL amounts over as doubles: 15 digits give back the
        // stored amount without a binary residue (0.30000000000000004 shows as 0.3).
        const double number = value.isNull() ? 0 : value.toDouble();
        return QString::number(number == 0 ? 0 : number, 'g', 15);
    }
    case QVariant::Date:
        return value.toDate().toString(Qt::ISODate);
    case QVariant::DateTime:
        return value.toDateTime().toString(Qt::ISODate);
    case QVariant::Time:
        return value.toTime().toString(Qt::ISODate);
    default:
        return value.isNull() ? QString() : value.toString();
    }
}

namespace {
// Whether `text` has digits on both sides of a blank, as a phone number has.
bool hasSpacedDigits(const QString &text)
{
    for (int i = 1; i + 1 < text.size(); ++i)
        if (text.at(i) == QLatin1Char(' ') && text.at(i - 1).isDigit() && text.at(i + 1).isDigit())
            return true;
    return false;
}

// `html` with each run of digit groups parted by blanks ("+20 2 2345 6789") kept on one
// line: a cell wraps between words and phones, never inside a number.
QString numbersKeptWhole(const QString &html)
{
    if (!hasSpacedDigits(html))
        return html;
    static const QRegularExpression spacedDigits(QStringLiteral("(\\+?\\d+(?: \\d+)+)"));
    QString kept = html;
    kept.replace(spacedDigits, QStringLiteral("<span style=\"white-space: nowrap\">\\1</span>"));
    return kept;
}
}

QString cReport::cell(const QString &text, const QString &className)
{
    const QString start = className.isEmpty() ? QStringLiteral("<td> ")
                                               : QStringLiteral("<td class=\"%1\"> ").arg(className);
    return start + numbersKeptWhole(WebText::escapedRuns(text)) + QStringLiteral(" </td>");
}

QString cReport::numberCell(const QString &text)
{
    return cell(text, QStringLiteral("number"));
}

QString cReport::row(const QSqlRecord &record)
{
    QString html = QStringLiteral("<tr>");
    for (int column = 0; column < record.count(); ++column)
        html += cell(cellText(record.value(column)));
    return html + QStringLiteral("</tr>");
}

QString cReport::rows(const QSqlQueryModel &model)
{
    QString html;
    for (int i = 0; i < model.rowCount(); ++i)
        html += row(model.record(i));
    return html;
}

QVector<cReport::Run> cReport::runs(const QSqlQueryModel &model, int keyColumn)
{
    QVector<Run> found;
    QVariant previousKey;
    for (int i = 0; i < model.rowCount(); ++i) {
        const QVariant key = model.record(i).value(keyColumn);
        if (found.isEmpty() || key != previousKey)
            found.append(Run{i, i + 1});
        else
            found.last().end = i + 1;
        previousKey = key;
    }
    return found;
}

void cReport::showFlat(const QString &templateFile, const QString &sql, const QString &detailsToken)
{
    cReport report(templateFile);
    if (!report.readTemplate())
        return;
    QSqlQueryModel model;
    if (!runQuery(model, sql))
        return;
    show(report.page({}, {{detailsToken, rows(model)}}));
}

void cReport::showGrouped(const QString &templateFile, const QString &sql, const QString &detailsToken,
                          const Groups &groups)
{
    cReport report(templateFile);
    if (!report.readTemplate())
        return;
    QSqlQueryModel model;
    if (!runQuery(model, sql))
        return;
    QString body;
    for (const Run &group : runs(model, 0)) {
        // Read before the rows: a step back makes the driver walk its result from the start.
        const QString name = cellText(model.record(group.first).value(1));
        QString groupRows;
        for (int i = group.first; i < group.end; ++i) {
            const QSqlRecord record = model.record(i);
            groupRows += QStringLiteral("<tr>");
            for (int column : groups.columns)
                groupRows += groups.numberColumns.contains(column) ? numberCell(cellText(record.value(column)))
                                                                   : cell(cellText(record.value(column)));
            groupRows += QStringLiteral("</tr>");
        }
        body += fillTemplate(groups.block, {{groups.nameToken, name}},
                             {{groups.rowsToken, groupRows}});
    }
    show(report.page({}, {{detailsToken, body}}));
}
