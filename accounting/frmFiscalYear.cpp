#include "accounting/frmFiscalYear.h"
#include "ui_frmFiscalYear.h"

#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/storedfields.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
// The day before the next year starts. A year starting on 29 February is followed by
// one starting on 1 March when the next year has no 29 February, so it ends on the
// 28th, where adding a year alone would give the 28th as the next start.
QDate yearEnd(const QDate &from)
{
    QDate nextStart = from.addYears(1);
    if (nextStart.day() != from.day())
        nextStart = nextStart.addDays(1);
    return nextStart.addDays(-1);
}
}

frmFiscalYear::frmFiscalYear(QWidget *parent, int fiscalYearId)
    : QDialog(parent), ui(new Ui::frmFiscalYear), fiscalYearId(fiscalYearId),
      stored(QStringLiteral("fiscalyear"), QStringLiteral("FiscalYearId"), tr("this fiscal year"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->dateFrom->setDisplayFormat(dateFormat);
    ui->dateTo->setDisplayFormat(dateFormat);
    if (fiscalYearId != 0)
        loadFiscalYear();
    else
        // The form's start date is set before the change reaches this window, so a new
        // year would otherwise be saved ending on the day it starts.
        ui->dateTo->setDate(yearEnd(ui->dateFrom->date()));
}

frmFiscalYear::~frmFiscalYear()
{
    delete ui;
}

void frmFiscalYear::loadFiscalYear()
{
    stored.remember(fiscalYearId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from fiscalyear where FiscalYearId = :id"));
    query.bindValue(QStringLiteral(":id"), fiscalYearId);
    if (!FailedReads::execNoted(this, query))
        return;
    if (!query.next())
        return;
    // The stored end stays as it was, even where it is not a year after the start.
    StoredFields::showDate(ui->dateFrom, query.value(1));
    StoredFields::showDate(ui->dateTo, query.value(2));
    ui->chkClosed->setChecked(bitValue(query.value(3)));
}

void frmFiscalYear::on_dateFrom_dateChanged(const QDate &date)
{
    ui->dateTo->setDate(yearEnd(date));
}

void frmFiscalYear::on_btnSave_clicked()
{
    if (!FailedReads::readWhole(this))
        return;
    if (ui->dateTo->date() < ui->dateFrom->date()) {
        Messages::critical(this, msgCaption, tr("The fiscal year cannot end before it starts."));
        ui->dateTo->setFocus();
        return;
    }
    cDbSave save;
    QSqlQuery query = save.prepare(
        fiscalYearId != 0
            ? QStringLiteral("Update fiscalyear set `from` = :from, `to` = :to, IsClosed = :isclosed "
                             "Where FiscalYearId = :id;")
            : QStringLiteral("Insert into fiscalyear (`from`, `to`, IsClosed) values (:from, :to, :isclosed);"));
    if (fiscalYearId != 0)
        query.bindValue(QStringLiteral(":id"), fiscalYearId);
    query.bindValue(QStringLiteral(":from"), ui->dateFrom->date());
    query.bindValue(QStringLiteral(":to"), ui->dateTo->date());
    query.bindValue(QStringLiteral(":isclosed"), ui->chkClosed->isChecked());
    save.execRecord(query, stored, fiscalYearId);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return;
    }
    close();
}
