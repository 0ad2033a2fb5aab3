#include "reports/trading/RptCustomerStatementOfAccount.h"

#include "core/system/globals.h"
#include "core/widgets/htmltemplate.h"
#include "core/db/money.h"
#include "core/db/connection.h"
#include "reports/framework/cReport.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace {
// The view's columns, by position.
enum Column { CustomerId, CustomerName, TotalInvoice, TotalDeposit, Date, ActionType, ActionTypeAr };

QString entryRow(const QString &date, Money debit, Money credit, const QString &description)
{
    return QStringLiteral("<tr>") + cReport::cell(date) + cReport::numberCell(debit.shortText())
           + cReport::numberCell(credit.shortText()) + cReport::cell(description) + QStringLiteral("</tr>");
}
}

void RptCustomerStatementOfAccount::showReport(const QString &where, const QString &fromDate)
{
    cReport report(QStringLiteral("CustomerStatementOfAccount.Rep"));
    if (!report.readTemplate())
        return;
    QSqlQueryModel model;
    if (!cReport::runQuery(model, QStringLiteral("SELECT * FROM vw_customerstatementofaccount") + where
                                      + QStringLiteral(" ORDER BY CustomerId, `Date`")))
        return;
    QSqlQuery opening(liveDefaultConnection());
    opening.prepare(QStringLiteral("SELECT IFNULL(SUM(TotalInvoice), 0), IFNULL(SUM(TotalDeposit), 0) "
                                   "FROM vw_customerstatementofaccount WHERE CustomerId = :customer AND `Date` < :fromDate"));

    const int kindColumn = rightToLeft ? ActionTypeAr : ActionType;
    const QString block = tr("<tr><td><b>Customer Name:</b> <span dir=\"auto\">$CUST_NAME</span><br>"
                             "<table class=\"rows statement\"><thead><tr><th class=\"date\">Date</th><th class=\"number\">Debit</th>"
                             "<th class=\"number\">Credit</th>"
                             "<th>Description</th></tr></thead>"
                             "<tbody><tr><td colspan=\"4\">$JOUR_DETAILS</td></tr>"
                             "<tr class=\"total\"><td>TOTAL</td><td class=\"number\">$TOTAL_DEBIT</td><td class=\"number\">$TOTAL_CREDIT</td>"
                             "<td>$TOTAL_SUMMARY</td></tr></tbody></table><br/></td></tr>");
    QString body;
    for (const cReport::Run &customer : cReport::runs(model, CustomerId)) {
        // Read before the rows: a step back makes the driver walk its result from the start.
        const QSqlRecord head = model.record(customer.first);
        Money debit;
        Money credit;
        QString rows;
        if (!fromDate.isEmpty()) {
            // Entries on the first day belong to the period; the sums of the earlier ones
            // stand side by side, not netted.
            opening.bindValue(QStringLiteral(":customer"), head.value(CustomerId));
            opening.bindValue(QStringLiteral(":fromDate"), fromDate);
            if (!opening.exec() || !opening.next()) {
                cReport::reportFailure(failureOf(opening));
                return;
            }
            debit = Money::fromDecimal(opening.value(0));
            credit = Money::fromDecimal(opening.value(1));
            rows += entryRow(QStringLiteral("---"), debit, credit, tr("Previous Balance"));
        }
        for (int i = customer.first; i < customer.end; ++i) {
            const QSqlRecord entry = model.record(i);
            const Money entryDebit = Money::fromDecimal(entry.value(TotalInvoice));
            const Money entryCredit = Money::fromDecimal(entry.value(TotalDeposit));
            rows += entryRow(entry.value(Date).toDate().toString(dateFormat), entryDebit, entryCredit,
                             cReport::cellText(entry.value(kindColumn)));
            debit += entryDebit;
            credit += entryCredit;
        }
        const QString summary = debit > credit ? tr("Debit: ") + (debit - credit).shortText()
                                               : tr("Credit: ") + (credit - debit).shortText();
        body += fillTemplate(block,
                             {{QStringLiteral("$CUST_NAME"), cReport::cellText(head.value(CustomerName))},
                              {QStringLiteral("$TOTAL_DEBIT"), debit.shortText()},
                              {QStringLiteral("$TOTAL_CREDIT"), credit.shortText()},
                              {QStringLiteral("$TOTAL_SUMMARY"), summary}},
                             {{QStringLiteral("<tr><td colspan=\"4\">$JOUR_DETAILS</td></tr>"), rows}});
    }
    cReport::show(report.page({}, {{QStringLiteral("$DETAILS"), body}}));
}
