#include "reports/financial/frmDailyCash.h"
#include "ui_frmDailyCash.h"

#include "core/db/connection.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/money.h"

#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>

frmDailyCash::frmDailyCash(QWidget *parent) : QDialog(parent), ui(new Ui::frmDailyCash)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint);
    // Left to right in Arabic too: only the texts are translated. Set here, since the
    // program lays out every window it does not set up right to left in Arabic.
    setLayoutDirection(Qt::LeftToRight);
    ui->dtFrom->setDisplayFormat(dateFormat);
    ui->dtTo->setDisplayFormat(dateFormat);
    {
        // The range is set whole before the sums are read once: every step would read them.
        const QSignalBlocker fromBlocker(ui->dtFrom);
        const QSignalBlocker toBlocker(ui->dtTo);
        ui->dtFrom->setDate(QDate::currentDate());
        ui->dtTo->setDate(QDate::currentDate());
        ui->dtTo->setMinimumDate(ui->dtFrom->date());
    }
    calculate();
}

frmDailyCash::~frmDailyCash()
{
    delete ui;
}

void frmDailyCash::on_dtFrom_dateChanged(QDate)
{
    {
        // A to-date moved up to the new from-date is part of this one change.
        const QSignalBlocker blocker(ui->dtTo);
        ui->dtTo->setMinimumDate(ui->dtFrom->date());
    }
    calculate();
}

void frmDailyCash::on_dtTo_dateChanged(QDate)
{
    calculate();
}

void frmDailyCash::on_btnOK_clicked()
{
    close();
}

void frmDailyCash::calculate()
{
    const struct
    {
        const char *table;
        QLabel *label;
    } sums[] = {
        {"purchaseinvoice", ui->lblPurchases},
        {"purchaserefund", ui->lblPurchaseRefunds},
        {"salesinvoice", ui->lblSales},
        {"salesrefund", ui->lblSalesRefunds},
    };
    const QSqlDatabase db = liveDefaultConnection();
    const QString from = ui->dtFrom->date().toString(QStringLiteral("yyyyMMdd"));
    const QString to = ui->dtTo->date().toString(QStringLiteral("yyyyMMdd"));
    QString failure;
    for (const auto &sum : sums) {
        // A query of its own each: one reused after a refused prepare loses the server's error.
        QSqlQuery query(db);
        // The sums as the server's exact text, not as doubles.
        query.setNumericalPrecisionPolicy(QSql::HighPrecision);
        query.prepare(QStringLiteral("select IFNULL(SUM(DepositPaid), 0) from %1 Where `Date` >= :DateFrom "
                                     "AND `Date` <= :DateTo")
                          .arg(QLatin1String(sum.table)));
        query.bindValue(QStringLiteral(":DateFrom"), from);
        query.bindValue(QStringLiteral(":DateTo"), to);
        if (!query.exec()) {
            // No figure rather than a 0 that would read as a day without money.
            sum.label->clear();
            if (failure.isEmpty())
                failure = failureOf(query).text();
            continue;
        }
        sum.label->setText(query.next() ? Money::fromDecimal(query.value(0)).shortText() : QStringLiteral("0"));
    }
    updateNet();
    if (!failure.isEmpty())
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + failure);
}

void frmDailyCash::updateNet()
{
    const std::optional<Money> sales = Money::parse(ui->lblSales->text());
    const std::optional<Money> salesRefunds = Money::parse(ui->lblSalesRefunds->text());
    const std::optional<Money> purchases = Money::parse(ui->lblPurchases->text());
    const std::optional<Money> purchaseRefunds = Money::parse(ui->lblPurchaseRefunds->text());
    // A sum that could not be read leaves the net unknown, not short of it.
    if (!sales || !salesRefunds || !purchases || !purchaseRefunds) {
        ui->lblTotal->clear();
        return;
    }
    ui->lblTotal->setText(((*sales - *salesRefunds) - (*purchases - *purchaseRefunds)).shortText());
}
