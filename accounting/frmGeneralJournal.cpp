#include "accounting/frmGeneralJournal.h"
#include "ui_frmGeneralJournal.h"

#include "accounting/dlgAccTrans.h"
#include "accounting/frmGeneralJournalView.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/documents/documentlines.h"
#include "core/system/globals.h"
#include "core/documents/linegrid.h"
#include "core/system/messages.h"
#include "core/db/money.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"

#include <QDate>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {
enum Column { colTransactionId, colAccountId, colAccountName, colDebit, colCredit, colComment };
}

frmGeneralJournal::frmGeneralJournal(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmGeneralJournal),
      stored({{QStringLiteral("generaljournal"), QStringLiteral("GeneralJournalId"), QStringLiteral("GeneralJournalId")},
              {QStringLiteral("generaljournaltransactions"), QStringLiteral("GeneralJournalId"),
               QStringLiteral("TransactionId")}},
             tr("this journal entry"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->dtDate->setDisplayFormat(dateFormat);
    ui->dtDate->setDate(QDate::currentDate());
    TextColumns::limit(QStringLiteral("generaljournal"), {{ui->txtDescription, QStringLiteral("Description"), ui->label_5}});
    setupGrid();
}

frmGeneralJournal::~frmGeneralJournal()
{
    delete ui;
}

void frmGeneralJournal::setupGrid()
{
    ui->tblJournal->hideColumn(colTransactionId);
    ui->tblJournal->hideColumn(colAccountId);
    ui->tblJournal->setColumnWidth(colAccountName, 200);
    ui->tblJournal->setColumnWidth(colComment, 300);
    Direction::alignAmountField(ui->txtTotalDebit);
    Direction::alignAmountField(ui->txtTotalCredit);
    fitAmountColumns();
}

void frmGeneralJournal::fitAmountColumns()
{
    // Measured on the lines present, so again after every change of the lines.
    Direction::showAmountColumns(ui->tblJournal, {colDebit, colCredit}, {colComment});
}

void frmGeneralJournal::updateTotals()
{
    fitAmountColumns();
    ui->txtTotalDebit->setText(columnTotal(colDebit).shortText());
    ui->txtTotalCredit->setText(columnTotal(colCredit).shortText());
}

Money frmGeneralJournal::columnTotal(int column) const
{
    Money total;
    for (int row = 0; row < ui->tblJournal->rowCount(); ++row)
        total += TableLines::amount(ui->tblJournal, row, column);
    return total;
}

void frmGeneralJournal::on_btnSave_clicked()
{
    if (!isValid())
        return;
    // The header, the new lines and the removed lines stand or fall together. After a
    // failure nothing is kept and the entry stays here as typed, in its mode, to be
    // mended and saved again.
    cDbSave save;
    if (editMode)
        updateJournal(save);
    else
        insertJournal(save);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return;
    }
    on_btnNew_clicked();
}

bool frmGeneralJournal::isValid()
{
    const Money debit = columnTotal(colDebit);
    const Money credit = columnTotal(colCredit);
    if (credit <= Money()) {
        Messages::critical(this, msgCaption, tr("Transaction must have a positive value greater than zero"));
        return false;
    }
    if (debit != credit) {
        Messages::critical(this, msgCaption,
                           tr("The transaction is not balanced, debit total must be equal to credit total"));
        return false;
    }
    return TextColumns::storable(this);
}

void frmGeneralJournal::insertJournal(cDbSave &save)
{
    QSqlQuery header = save.prepare(QStringLiteral(
        "INSERT INTO generaljournal (JournalDate, Description) VALUES (:JournalDate, :Description)"));
    bindHeader(header);
    save.exec(header);
    writeLines(save, save.lastInsertId());
}

void frmGeneralJournal::updateJournal(cDbSave &save)
{
    // Another user's save of the same entry waits here until this one ends, and one made
    // since the load refuses this save: neither undoes the other, nor are they mixed.
    stored.lockUnchanged(save, journalId);
    QSqlQuery header = save.prepare(QStringLiteral("UPDATE generaljournal SET JournalDate = :JournalDate, "
                                                   "Description = :Description WHERE GeneralJournalId = :GeneralJournalId"));
    bindHeader(header);
    header.bindValue(QStringLiteral(":GeneralJournalId"), journalId);
    save.execOnStored(header);
    writeLines(save, journalId);
}

void frmGeneralJournal::writeLines(cDbSave &save, int journalId)
{
    LineStatements sql;
    sql.insert = QStringLiteral(
        "INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit, Comment) "
        "VALUES (:GeneralJournalId, :AccountId, :Debit, :Credit, :Comment)");
    sql.remove = QStringLiteral("DELETE FROM generaljournaltransactions WHERE TransactionId = :id");
    sql.parentPlaceholder = QStringLiteral(":GeneralJournalId");
    sql.parentId = journalId;
    // Lines are added and removed, never edited in place: there is nothing to update.
    TableLines::write(save, ui->tblJournal, colTransactionId, removedTransactionIds, sql, [this](LineValues &line, int row) {
        line.bindValue(QStringLiteral(":AccountId"), TableLines::data(ui->tblJournal, row, colAccountId));
        line.bindValue(QStringLiteral(":Debit"), TableLines::amount(ui->tblJournal, row, colDebit).toDecimal());
        line.bindValue(QStringLiteral(":Credit"), TableLines::amount(ui->tblJournal, row, colCredit).toDecimal());
        line.bindValue(QStringLiteral(":Comment"), TableLines::data(ui->tblJournal, row, colComment));
    });
    checkStoredBalance(save, journalId);
}

void frmGeneralJournal::checkStoredBalance(cDbSave &save, int journalId)
{
    // What is stored is judged, not what this window holds: lines another user wrote
    // meanwhile count too, and an entry that would no longer balance is not kept.
    QSqlQuery sums = save.prepare(QStringLiteral(
        "SELECT COALESCE(SUM(Debit), 0), COALESCE(SUM(Credit), 0) FROM generaljournaltransactions "
        "WHERE GeneralJournalId = :GeneralJournalId"));
    sums.bindValue(QStringLiteral(":GeneralJournalId"), journalId);
    if (!save.exec(sums) || !sums.next())
        return;
    const Money debit = Money::fromDecimal(sums.value(0));
    if (debit != Money::fromDecimal(sums.value(1)) || debit <= Money())
        save.failWith(tr("Another user has changed this entry meanwhile, and it would no longer balance. "
                         "Nothing was saved."));
}

void frmGeneralJournal::bindHeader(QSqlQuery &header) const
{
    // A stored zero date shows as "No date" and goes back as NULL, which the NOT NULL
    // column takes, outside strict mode, as its zero date again: the entry stays undated.
    header.bindValue(QStringLiteral(":JournalDate"), StoredFields::dateOrNull(ui->dtDate));
    const QString description = ui->txtDescription->toPlainText();
    header.bindValue(QStringLiteral(":Description"),
                     description.isEmpty() ? QVariant(QVariant::String) : QVariant(description));
}

void frmGeneralJournal::on_btnAdd_clicked()
{
    dlgAccTrans line(nullptr);
    if (ScreenFit::exec(line) != QDialog::Accepted)
        return;
    QTableWidget *grid = ui->tblJournal;
    const int row = grid->rowCount();
    grid->insertRow(row);
    TableLines::setStoredId(grid, row, colTransactionId, QVariant());
    grid->setItem(row, colAccountId, TableLines::valueItem(dlgAccTrans::accountId));
    grid->setItem(row, colAccountName, TableLines::valueItem(dlgAccTrans::accountText));
    grid->setItem(row, colDebit, TableLines::amountItem(Money::fromDouble(dlgAccTrans::debit)));
    grid->setItem(row, colCredit, TableLines::amountItem(Money::fromDouble(dlgAccTrans::credit)));
    grid->setItem(row, colComment, TableLines::valueItem(dlgAccTrans::comment));
    updateTotals();
}

void frmGeneralJournal::on_btnRemove_clicked()
{
    const int row = ui->tblJournal->currentRow();
    // Only a line the user has chosen goes; with none (also on an empty grid) nothing does.
    if (row < 0 || !ui->tblJournal->selectionModel()->isRowSelected(row, QModelIndex()))
        return;
    const QVariant transactionId = TableLines::storedId(ui->tblJournal, row, colTransactionId);
    if (transactionId.isValid())
        removedTransactionIds.append(transactionId);
    ui->tblJournal->removeRow(row);
    updateTotals();
}

// The date of a new entry stays for the next one.
void frmGeneralJournal::on_btnNew_clicked()
{
    DocumentLines::datesForNew({ui->dtDate}, editMode);
    ui->tblJournal->setRowCount(0);
    editMode = false;
    removedTransactionIds.clear();
    ui->txtDescription->clear();
    updateTotals();
}

void frmGeneralJournal::on_btnSearch_clicked()
{
    frmGeneralJournalView list(nullptr);
    if (ScreenFit::exec(list) != QDialog::Accepted)
        return;
    on_btnNew_clicked();
    journalId = pickedJournalId;
    loadJournal();
}

void frmGeneralJournal::loadJournal()
{
    // Read first: a change another user makes while the window reads can only refuse the
    // save, never slip under it.
    stored.remember(journalId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "SELECT JournalDate, Description FROM generaljournal WHERE GeneralJournalId = :GeneralJournalId"));
    query.bindValue(QStringLiteral(":GeneralJournalId"), journalId);
    if (!query.exec()) {
        qWarning() << query.lastError().text();
        return;
    }
    // An entry deleted meanwhile has no row: the editor then holds it with no lines.
    if (query.next()) {
        StoredFields::showDate(ui->dtDate, query.value(0));
        ui->txtDescription->setPlainText(query.value(1).toString());
    }
    query.clear();
    query.prepare(QStringLiteral(
        "SELECT TransactionId, generaljournaltransactions.AccountId, CONCAT(AccountNo, ':', Description), "
        "Debit, Credit, Comment FROM generaljournaltransactions INNER JOIN accounts "
        "ON generaljournaltransactions.AccountId = accounts.AccountId WHERE GeneralJournalId = :GeneralJournalId"));
    query.bindValue(QStringLiteral(":GeneralJournalId"), journalId);
    if (!query.exec()) {
        qWarning() << query.lastError().text();
        return;
    }
    QTableWidget *grid = ui->tblJournal;
    while (query.next()) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        TableLines::setStoredId(grid, row, colTransactionId, query.value(colTransactionId));
        grid->setItem(row, colAccountId, TableLines::valueItem(query.value(colAccountId)));
        grid->setItem(row, colAccountName, TableLines::valueItem(query.value(colAccountName)));
        grid->setItem(row, colDebit, TableLines::amountItem(Money::fromDecimal(query.value(colDebit))));
        grid->setItem(row, colCredit, TableLines::amountItem(Money::fromDecimal(query.value(colCredit))));
        grid->setItem(row, colComment, TableLines::valueItem(query.value(colComment)));
    }
    editMode = true;
    updateTotals();
}
