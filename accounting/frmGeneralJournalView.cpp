#include "accounting/frmGeneralJournalView.h"
#include "ui_frmGeneralJournalView.h"

#include "core/system/globals.h"
#include "core/widgets/listdialog.h"

#include <QDate>
#include <QSqlQueryModel>

namespace {
enum Column { colGeneralJournalId, colJournalDate, colDescription, colValue };
}

frmGeneralJournalView::frmGeneralJournalView(QWidget *parent) : QDialog(parent), ui(new Ui::frmGeneralJournalView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->dtFrom->setDisplayFormat(dateFormat);
    ui->dtTo->setDisplayFormat(dateFormat);
    ui->dtFrom->setDate(QDate::currentDate());
    ui->dtTo->setDate(QDate::currentDate());
    // The list opens with every entry; the dates apply from the first Search on.
    loadJournals(filter);
}

frmGeneralJournalView::~frmGeneralJournalView()
{
    delete ui;
}

void frmGeneralJournalView::loadJournals(const QString &dateFilter)
{
    // The inner join leaves out an entry without lines: there is nothing in it to list.
    QSqlQueryModel *journals = ListDialog::replaceModel(
        ui->tblTransactions, model,
        QStringLiteral("SELECT generaljournal.GeneralJournalId, JournalDate, Description, "
                       "SUM(generaljournaltransactions.Debit) AS Value FROM generaljournal "
                       "INNER JOIN generaljournaltransactions "
                       "ON generaljournal.GeneralJournalId = generaljournaltransactions.GeneralJournalId ")
            + dateFilter + QStringLiteral(" GROUP BY generaljournal.GeneralJournalId "));
    ui->tblTransactions->hideColumn(colGeneralJournalId);
    // The date is shown whole, not cut to "10 Mar ...".
    ui->tblTransactions->resizeColumnToContents(colJournalDate);
    ui->tblTransactions->setColumnWidth(colDescription, 290);
    journals->setHeaderData(colJournalDate, Qt::Horizontal, tr("Date"));
    journals->setHeaderData(colDescription, Qt::Horizontal, tr("Description"));
    journals->setHeaderData(colValue, Qt::Horizontal, tr("Value"));
}

void frmGeneralJournalView::on_btnSearch_clicked()
{
    // Both dates come from the date editors, never from typed text, so the statement
    // holds nothing but their digits.
    const QString format = QStringLiteral("yyyyMMdd");
    filter = QStringLiteral("WHERE JournalDate >= '%1' AND JournalDate <= '%2'")
                 .arg(ui->dtFrom->date().toString(format), ui->dtTo->date().toString(format));
    loadJournals(filter);
}

void frmGeneralJournalView::on_btnDelete_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblTransactions, colGeneralJournalId,
                                                       msgSelectItemToDelete);
    if (!id.isValid())
        return;
    // The entry's lines go with it through the schema's cascade.
    if (ListDialog::confirmAndDelete(this, tr("Delete general journal and all its transactions?"),
                                     QStringLiteral("Delete from generaljournal where GeneralJournalId = :id"),
                                     id.toInt()))
        loadJournals(filter);
}

void frmGeneralJournalView::on_btnEdit_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblTransactions, colGeneralJournalId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    pickedJournalId = id.toInt();
    accept();
}

void frmGeneralJournalView::on_tblTransactions_doubleClicked(const QModelIndex &)
{
    // The click has made its row current, so it is the same choice as Edit, whatever
    // the cell.
    on_btnEdit_clicked();
}
