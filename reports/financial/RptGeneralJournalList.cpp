#include "reports/financial/RptGeneralJournalList.h"

#include "core/system/globals.h"
#include "core/widgets/htmltemplate.h"
#include "core/db/money.h"
#include "reports/framework/cReport.h"

#include <QDate>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace {
enum Column { JournalId, JournalDate, Description, Account, Debit, Credit, Comment };

// An account whose description is missing in the language shown is named in the other
// one rather than printing a line without its account.
QString journalStatement()
{
    const QString account = rightToLeft ? QStringLiteral("COALESCE(accounts.DescriptionAr, accounts.Description, '')")
                                        : QStringLiteral("COALESCE(accounts.Description, accounts.DescriptionAr, '')");
    return QStringLiteral(
               "SELECT generaljournal.GeneralJournalId, generaljournal.JournalDate, generaljournal.Description, "
               "CONCAT(accounts.AccountNo, ': ', %1) AS Account, "
               "generaljournaltransactions.Debit, generaljournaltransactions.Credit, generaljournaltransactions.Comment "
               "FROM generaljournal "
               "INNER JOIN generaljournaltransactions "
               "ON generaljournal.GeneralJournalId = generaljournaltransactions.GeneralJournalId "
               "INNER JOIN accounts ON generaljournaltransactions.AccountId = accounts.AccountId "
               "ORDER BY generaljournal.GeneralJournalId, generaljournaltransactions.TransactionId")
        .arg(account);
}
}

void RptGeneralJournalList::showReport()
{
    cReport report(QStringLiteral("GeneralJournalList.Rep"));
    if (!report.readTemplate())
        return;
    QSqlQueryModel model;
    if (!cReport::runQuery(model, journalStatement()))
        return;

    // One block per entry; the translation gives the whole block in the other language.
    const QString block = tr(
        "<tr><td><b>Journal Date:</b> <span dir=\"ltr\">$JOUR_DATE</span><br>"
        "<b>Description:</b> <span dir=\"auto\">$JOUR_DESCRIPTION</span>"
        "<table class=\"rows\"><thead><tr><th style=\"width: 35%;\">Account Name</th><th style=\"width: 15%;\">Debit</th>"
        "<th style=\"width: 15%;\">Credit</th><th style=\"width: 35%;\">Comment</th></tr></thead><tbody>"
        "<tr><td colspan=\"4\">$JOUR_DETAILS</td></tr>"
        "<tr class=\"total\"><td>TOTAL</td><td class=\"number\">$TOTAL_DEBIT</td><td class=\"number\">$TOTAL_CREDIT</td><td></td></tr>"
        "</tbody></table><br/></td></tr>");

    // Entries are told apart by their id alone: two of one date and description are two.
    QString entries;
    for (const cReport::Run &entry : cReport::runs(model, JournalId)) {
        // The head first: the model reads the rows on in order, and a step back makes the
        // driver walk its result from the start.
        const QSqlRecord head = model.record(entry.first);
        QString lines;
        Money debit;
        Money credit;
        for (int i = entry.first; i < entry.end; ++i) {
            const QSqlRecord line = model.record(i);
            lines += QStringLiteral("<tr>") + cReport::cell(cReport::cellText(line.value(Account)))
                     + cReport::numberCell(cReport::cellText(line.value(Debit)))
                     + cReport::numberCell(cReport::cellText(line.value(Credit)))
                     + cReport::cell(cReport::cellText(line.value(Comment))) + QStringLiteral("</tr>");
            debit += Money::fromDecimal(line.value(Debit));
            credit += Money::fromDecimal(line.value(Credit));
        }
        entries += fillTemplate(block,
                                {{QStringLiteral("$JOUR_DATE"), head.value(JournalDate).toDate().toString(dateFormat)},
                                 {QStringLiteral("$JOUR_DESCRIPTION"), head.value(Description).toString()},
                                 {QStringLiteral("$TOTAL_DEBIT"), debit.shortText()},
                                 {QStringLiteral("$TOTAL_CREDIT"), credit.shortText()}},
                                {{QStringLiteral("<tr><td colspan=\"4\">$JOUR_DETAILS</td></tr>"), lines}});
    }
    cReport::show(report.page({}, {{QStringLiteral("$DETAILS"), entries}}));
}
