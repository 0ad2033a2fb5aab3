#include "accounting/frmCurrencies.h"
#include "ui_frmCurrencies.h"

#include "core/system/accessories.h"
#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/textcolumns.h"

#include <QSqlError>
#include <QSqlQuery>

frmCurrencies::frmCurrencies(QWidget *parent, int currencyId)
    : QDialog(parent), ui(new Ui::frmCurrencies), currencyId(currencyId),
      stored(QStringLiteral("currencies"), QStringLiteral("CurrencyId"), tr("this currency"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    TextColumns::limit(QStringLiteral("currencies"), {{ui->txtCurrency, QStringLiteral("Currency"), ui->label},
                                                      {ui->txtSymbol, QStringLiteral("CurrencySymbol"), ui->label_2}});
    if (currencyId > 0)
        loadCurrency();
}

frmCurrencies::~frmCurrencies()
{
    delete ui;
}

void frmCurrencies::loadCurrency()
{
    stored.remember(currencyId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from currencies where CurrencyId = :id"));
    query.bindValue(QStringLiteral(":id"), currencyId);
    if (!FailedReads::execNoted(this, query))
        return;
    if (!query.next())
        return;
    ui->txtCurrency->setText(query.value(1).toString());
    ui->txtSymbol->setText(query.value(2).toString());
}

bool frmCurrencies::validateCurrencyName()
{
    if (!ui->txtCurrency->text().trimmed().isEmpty())
        return true;
    Messages::critical(this, msgCaption, tr("Insert currency name"));
    return false;
}

bool frmCurrencies::saveCurrency()
{
    if (!FailedReads::readWhole(this) || !validateCurrencyName() || !TextColumns::storable(this))
        return false;
    // IsDefault has no default in the schema: naming it keeps a strict server from
    // refusing a new row, and a new currency is never the default.
    cDbSave save;
    QSqlQuery query = save.prepare(currencyId > 0
                                       ? QStringLiteral("Update currencies set Currency = :Currency, "
                                                        "CurrencySymbol = :CurrencySymbol Where CurrencyId = :id;")
                                       : QStringLiteral("Insert into Currencies (Currency, CurrencySymbol, IsDefault) "
                                                        "Values (:Currency, :CurrencySymbol, 0);"));
    if (currencyId > 0)
        query.bindValue(QStringLiteral(":id"), currencyId);
    query.bindValue(QStringLiteral(":Currency"), ui->txtCurrency->text());
    query.bindValue(QStringLiteral(":CurrencySymbol"), textOrNullIfBlank(ui->txtSymbol->text()));
    save.execRecord(query, stored, currencyId);
    added.read(save, currencyId);
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmCurrencies::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    ui->txtCurrency->clear();
    ui->txtSymbol->clear();
    currencyId = 0;
}

void frmCurrencies::on_btnSave_clicked()
{
    saveCurrency();
}

void frmCurrencies::on_btnSaveAndClose_clicked()
{
    if (saveCurrency())
        close();
}

void frmCurrencies::on_btnCharacterMap_clicked()
{
    startCharacterMap();
}
