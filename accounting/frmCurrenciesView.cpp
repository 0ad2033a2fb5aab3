#include "accounting/frmCurrenciesView.h"
#include "ui_frmCurrenciesView.h"

#include "accounting/frmCurrencies.h"
#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "core/system/messages.h"

#include <QSqlQuery>

namespace {
enum Column { colCurrencyId, colCurrency, colSymbol, colIsDefault };
}

frmCurrenciesView::frmCurrenciesView(QWidget *parent) : QDialog(parent), ui(new Ui::frmCurrenciesView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    currencies.attach(ui->tblCurrencies, {colCurrencyId, colIsDefault});
    loadCurrencies();
}

frmCurrenciesView::~frmCurrenciesView()
{
    delete ui;
}

void frmCurrenciesView::loadCurrencies()
{
    currencies.load(QStringLiteral("Select * from currencies"), {tr("Currency"), tr("Symbol")});
}

void frmCurrenciesView::on_btnNew_clicked()
{
    if (currencies.addNew<frmCurrencies>(this))
        loadCurrencies();
}

void frmCurrenciesView::on_btnEdit_clicked()
{
    if (currencies.editCurrent<frmCurrencies>(this))
        loadCurrencies();
}

void frmCurrenciesView::on_btnDelete_clicked()
{
    const QString question = ListDialog::deleteQuestion(QStringLiteral(": "), currencies.currentValue(colCurrency).toString());
    if (currencies.deleteCurrent(this, QStringLiteral("delete from currencies where currencyId = :id"), question))
        loadCurrencies();
}

void frmCurrenciesView::on_btnSetDefault_clicked()
{
    const QVariant id = currencies.currentId();
    if (!id.isValid())
        return;
    // Both rows change together, so the company is never left without a default.
    cDbSave save;
    save.exec(QStringLiteral("Update currencies Set IsDefault = 0 "));
    QSqlQuery choose = save.prepare(QStringLiteral("Update currencies Set IsDefault = 1 Where CurrencyId = :id"));
    choose.bindValue(QStringLiteral(":id"), id.toInt());
    save.exec(choose);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return;
    }
    defaultCurrency = currencies.currentValue(colCurrency).toString();
    defaultCurrencySymbol = currencies.currentValue(colSymbol).toString();
}
