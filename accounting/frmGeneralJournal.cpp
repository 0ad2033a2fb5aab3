#include "accounting/frmGeneralJournal.h"
#include "ui_frmGeneralJournal.h"

#include "accounting/dlgAccTrans.h"
#include "accounting/frmGeneralJournalView.h"
#include "core/dbsave.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/money.h"

#include <QDate>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {
enum Column { colTransactionId, colAccountId, colAccountName, colDebit, colCredit, colComment };

// What generaljournal.Description holds.
const int descriptionLength = 200;

QString cellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void setCellText(QTableWidget *grid, int row, int column, const QString &text)
{
    grid->setItem(row, column, new QTableWidgetItem(text));
}

// A line typed here has no TransactionId yet; a stored one keeps its own.
bool isNewLine(const QTableWidget *grid, int row)
{
    return cellText(grid, row, colTransactionId).toInt() < 1;
}

double amountIn(const QTableWidget *grid, int row, int column)
{
    return Money::fromDouble(cellText(grid, row, column).toDouble()).toDouble();
}
}

frmGeneralJournal::frmGeneralJournal(QWidget *parent) : QDialog(parent), ui(new Ui::frmGeneralJournal)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->dtDate->setDisplayFormat(dateFormat);
    ui->dtDate->setDate(QDate::currentDate());
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
}

void frmGeneralJournal::updateTotals()
{
    // Summed in cents, so that 0.1 + 0.2 shows, and compares, as 0.3.
    qint64 debitCents = 0;
    qint64 creditCents = 0;
    for (int row = 0; row < ui->tblJournal->rowCount(); ++row) {
        debitCents += Money::fromDouble(cellText(ui->tblJournal, row, colDebit).toDouble()).cents();
        creditCents += Money::fromDouble(cellText(ui->tblJournal, row, colCredit).toDouble()).cents();
    }
    ui->txtTotalDebit->setText(Money::fromCents(debitCents).shortText());
    ui->txtTotalCredit->setText(Money::fromCents(creditCents).shortText());
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
        Messages::critical(this, msgCaption, msgInsertFailed + QLatin1Char('\n') + save.errorText());
        return;
    }
    on_btnNew_clicked();
}

bool frmGeneralJournal::isValid()
{
    // The totals are judged as shown, in cents, never by the residue of a double sum.
    const qint64 debit = Money::fromDouble(ui->txtTotalDebit->text().toDouble()).cents();
    const qint64 credit = Money::fromDouble(ui->txtTotalCredit->text().toDouble()).cents();
    if (credit <= 0) {
        Messages::critical(this, msgCaption, tr("Transaction must have a positive value greater than zero"));
        return false;
    }
    if (debit != credit) {
        Messages::critical(this, msgCaption,
                           tr("The transaction is not balanced, debit total must be equal to credit total"));
        return false;
    }
    // The server would cut a longer text without a word.
    if (ui->txtDescription->toPlainText().size() > descriptionLength) {
        Messages::critical(this, msgCaption, tr("The description must not be longer than 200 characters"));
        return false;
    }
    return true;
}

void frmGeneralJournal::insertJournal(cDbSave &save)
{
    QSqlQuery header = save.prepare(QStringLiteral(
        "INSERT INTO generaljournal (JournalDate, Description) VALUES (:JournalDate, :Description)"));
    bindHeader(header);
    save.exec(header);
    insertNewLines(save, save.lastInsertId());
}

void frmGeneralJournal::updateJournal(cDbSave &save)
{
    QSqlQuery header = save.prepare(QStringLiteral("UPDATE generaljournal SET JournalDate = :JournalDate, "
                                                   "Description = :Description WHERE GeneralJournalId = :GeneralJournalId"));
    bindHeader(header);
    header.bindValue(QStringLiteral(":GeneralJournalId"), journalId);
    save.exec(header);
    insertNewLines(save, journalId);
    QSqlQuery removal =
        save.prepare(QStringLiteral("DELETE FROM generaljournaltransactions WHERE TransactionId = :TransactionId"));
    for (const int transactionId : qAsConst(removedTransactionIds)) {
        removal.bindValue(QStringLiteral(":TransactionId"), transactionId);
        if (!save.exec(removal))
            return;
    }
}

void frmGeneralJournal::bindHeader(QSqlQuery &header) const
{
    header.bindValue(QStringLiteral(":JournalDate"), ui->dtDate->date());
    const QString description = ui->txtDescription->toPlainText();
    header.bindValue(QStringLiteral(":Description"),
                     description.isEmpty() ? QVariant(QVariant::String) : QVariant(description));
}

void frmGeneralJournal::insertNewLines(cDbSave &save, int journalId)
{
    QSqlQuery line = save.prepare(QStringLiteral(
        "INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit, Comment) "
        "VALUES (:GeneralJournalId, :AccountId, :Debit, :Credit, :Comment)"));
    for (int row = 0; row < ui->tblJournal->rowCount(); ++row) {
        // A stored line still in the grid is already written.
        if (!isNewLine(ui->tblJournal, row))
            continue;
        line.bindValue(QStringLiteral(":GeneralJournalId"), journalId);
        line.bindValue(QStringLiteral(":AccountId"), cellText(ui->tblJournal, row, colAccountId).toInt());
        line.bindValue(QStringLiteral(":Debit"), amountIn(ui->tblJournal, row, colDebit));
        line.bindValue(QStringLiteral(":Credit"), amountIn(ui->tblJournal, row, colCredit));
        line.bindValue(QStringLiteral(":Comment"), cellText(ui->tblJournal, row, colComment));
        if (!save.exec(line))
            return;
    }
}

void frmGeneralJournal::on_btnAdd_clicked()
{
    dlgAccTrans line(nullptr);
    if (line.exec() != QDialog::Accepted)
        return;
    const int row = ui->tblJournal->rowCount();
    ui->tblJournal->insertRow(row);
    setCellText(ui->tblJournal, row, colTransactionId, QString());
    setCellText(ui->tblJournal, row, colAccountId, QString::number(dlgAccTrans::accountId));
    setCellText(ui->tblJournal, row, colAccountName, dlgAccTrans::accountText);
    setCellText(ui->tblJournal, row, colDebit, Money::fromDouble(dlgAccTrans::debit).shortText());
    setCellText(ui->tblJournal, row, colCredit, Money::fromDouble(dlgAccTrans::credit).shortText());
    setCellText(ui->tblJournal, row, colComment, dlgAccTrans::comment);
    updateTotals();
}

void frmGeneralJournal::on_btnRemove_clicked()
{
    const int row = ui->tblJournal->currentRow();
    // Only a line the user has chosen goes; with none (also on an empty grid) nothing does.
    if (row < 0 || !ui->tblJournal->selectionModel()->isRowSelected(row, QModelIndex()))
        return;
    if (!isNewLine(ui->tblJournal, row))
        removedTransactionIds.append(cellText(ui->tblJournal, row, colTransactionId).toInt());
    ui->tblJournal->removeRow(row);
    updateTotals();
}

void frmGeneralJournal::on_btnNew_clicked()
{
    ui->tblJournal->setRowCount(0);
    editMode = false;
    removedTransactionIds.clear();
    ui->txtDescription->clear();
    updateTotals();
}

void frmGeneralJournal::on_btnSearch_clicked()
{
    frmGeneralJournalView list(nullptr);
    if (list.exec() != QDialog::Accepted)
        return;
    on_btnNew_clicked();
    journalId = pickedJournalId;
    loadJournal();
}

void frmGeneralJournal::loadJournal()
{
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
        ui->dtDate->setDate(query.value(0).toDate());
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
    while (query.next()) {
        const int row = ui->tblJournal->rowCount();
        ui->tblJournal->insertRow(row);
        for (int column = colTransactionId; column <= colComment; ++column)
            setCellText(ui->tblJournal, row, column, query.value(column).toString());
    }
    editMode = true;
    updateTotals();
}
