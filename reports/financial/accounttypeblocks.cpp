#include "reports/financial/accounttypeblocks.h"

#include "core/widgets/htmltemplate.h"
#include "reports/framework/cReport.h"

#include <QCoreApplication>

namespace {
QString typeBlock()
{
    const auto text = [](const char *source) {
        return QCoreApplication::translate("AccountTypeBlocks", source).toHtmlEscaped();
    };
    // The template's style sheet aligns the balances to the end of the line.
    return QStringLiteral("<tr><td><b>$TYPE</b><br><table class=\"rows\"><thead><tr>"
                          "<th class=\"account\">%1</th><th>%2</th></tr></thead><tbody>"
                          "<tr><td colspan=\"2\">$TYP_DETAILS</td></tr>"
                          "<tr class=\"total\"><td>%3</td><td>$TOTAL_TYPE</td></tr></tbody></table><br/></td></tr>")
        .arg(text(QT_TRANSLATE_NOOP("AccountTypeBlocks", "Account Name")),
             text(QT_TRANSLATE_NOOP("AccountTypeBlocks", "Balance")),
             text(QT_TRANSLATE_NOOP("AccountTypeBlocks", "TOTAL $TYPE")));
}
}

QString accountTypeBlocks(const QVector<AccountLine> &lines)
{
    const QString block = typeBlock();
    QString blocks;
    for (int first = 0; first < lines.size();) {
        const AccountRow &typeRow = lines.at(first).row;
        int end = first;
        Money total;
        QString rows;
        for (; end < lines.size() && lines.at(end).row.type == typeRow.type; ++end) {
            const AccountLine &line = lines.at(end);
            total += line.amounts.balance;
            rows += QStringLiteral("<tr>") + cReport::cell(line.row.accountLabel())
                    + cReport::cell(line.amounts.balance.shortText()) + QStringLiteral("</tr>");
        }
        blocks += fillTemplate(block, {{QStringLiteral("$TYPE"), typeRow.typeLabel()},
                                       {QStringLiteral("$TOTAL_TYPE"), total.shortText()}},
                               {{QStringLiteral("<tr><td colspan=\"2\">$TYP_DETAILS</td></tr>"), rows}});
        first = end;
    }
    return blocks;
}
