#include "accounting/frmCurrenciesView.h"
#include "ui_frmCurrenciesView.h"

#include "accounting/frmCurrencies.h"
#include "core/dbsave.h"
#include "core/globals.h"
#include "core/listdialog.h"
#include "core/messages.h"

#include <QSqlQuery>
#include <QSqlQueryModel>

namespace {
enum Column { colCurrencyId, colCurrency, colSymbol, colIsDefault };
}

frmCurrenciesView::frmCurrenciesView(QWidget *parent) : QDialog(parent), ui(new Ui::frmCurrenciesView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    loadCurrencies();
}

frmCurrenciesView::~frmCurrenciesView()
{
    delete ui;
}

void frmCurrenciesView::loadCurrencies()
{
    QSqlQueryModel *currencies =
        ListDialog::replaceModel(ui->tblCurrencies, model, QStringLiteral("Select * from currencies"));
    currencies->setHeaderData(colCurrency, Qt::Horizontal, tr("Currency"));
    currencies->setHeaderData(colSymbol, Qt::Horizontal, tr("Symbol"));
    ui->tblCurrencies->hideColumn(colCurrencyId);
    ui->tblCurrencies->hideColumn(colIsDefault);
    ListDialog::fitColumnsToContents(ui->tblCurrencies);
}

void frmCurrenciesView::on_btnNew_clicked()
{
    frmCurrencies editor(nullptr, 0);
    editor.exec();
    loadCurrencies();
}

void frmCurrenciesView::on_btnEdit_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblCurrencies, colCurrencyId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmCurrencies editor(nullptr, id.toInt());
    editor.exec();
    loadCurrencies();
}

void frmCurrenciesView::on_btnDelete_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblCurrencies, colCurrencyId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    const QString question =
        msgDelete + QStringLiteral(": ") + ListDialog::currentValue(ui->tblCurrencies, colCurrency).toString();
    if (ListDialog::confirmAndDelete(this, question, QStringLiteral("delete from currencies where currencyId = :id"),
                                     id.toString()))
        loadCurrencies();
}

void frmCurrenciesView::on_btnSetDefault_clicked()
{
    const QVariant id = ListDialog::currentValue(ui->tblCurrencies, colCurrencyId);
    if (!id.isValid())
        return;
    // Both rows change together, so the company is never left without a default.
    cDbSave save;
    save.exec(QStringLiteral("Update currencies Set IsDefault = 0 "));
    QSqlQuery choose = save.prepare(QStringLiteral("Update currencies Set IsDefault = 1 Where CurrencyId = :id"));
    choose.bindValue(QStringLiteral(":id"), id.toInt());
    save.exec(choose);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, msgInsertFailed + QLatin1Char('\n') + save.errorText());
        return;
    }
    defaultCurrency = ListDialog::currentValue(ui->tblCurrencies, colCurrency).toString();
    defaultCurrencySymbol = ListDialog::currentValue(ui->tblCurrencies, colSymbol).toString();
}
