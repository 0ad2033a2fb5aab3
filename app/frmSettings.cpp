#include "app/frmSettings.h"
#include "ui_frmSettings.h"

#include "core/db/dbsave.h"
#include "core/system/cXml.h"
#include "core/widgets/comboboxes.h"
#include "core/system/failedreads.h"
#include "core/widgets/fieldnames.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "app/restart.h"
#include "core/system/seams.h"

#include <QDir>
#include <QSqlQuery>

frmSettings::frmSettings(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmSettings),
      stored(QStringLiteral("accountsdefaults"), QStringLiteral("AccountDefaultId"), tr("the default accounts"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->tabWidget->setCurrentWidget(ui->tabAccounts);
    const QList<QLabel *> labels{ui->label,   ui->label_2, ui->label_3, ui->label_4, ui->label_5,
                                 ui->label_6, ui->label_7, ui->label_8, ui->label_9, ui->label_10};
    for (int i = 0; i < labels.size(); ++i)
        FieldNames::setLabel(accountCombos().at(i), labels.at(i));

    // The ten lists read one table: should it fail, one box tells it.
    const FailedReads::Action opening;
    fillAccountCombo(ui->cmbAccountsReceivable, 1);
    fillAccountCombo(ui->cmbSalesAcc, 4);
    fillAccountCombo(ui->cmbSalesReundsAcc, 5);
    fillAccountCombo(ui->cmbAccountsPayable, 2);
    fillAccountCombo(ui->cmbPurchasingAcc, 1);
    fillAccountCombo(ui->cmbPurchasingRefundsAcc, 4);
    fillAccountCombo(ui->cmbPayrollAcc, 5);
    fillAccountCombo(ui->cmbSafe, 1);
    fillAccountCombo(ui->cmbCheck, 1);
    fillAccountCombo(ui->cmbCreditCard, 1);
    loadAccountDefaults();
    loadSettings();
}

frmSettings::~frmSettings()
{
    delete ui;
}

QList<QComboBox *> frmSettings::accountCombos() const
{
    return {ui->cmbAccountsPayable, ui->cmbPurchasingAcc, ui->cmbPurchasingRefundsAcc,
            ui->cmbAccountsReceivable, ui->cmbSalesAcc, ui->cmbSalesReundsAcc,
            ui->cmbPayrollAcc, ui->cmbSafe, ui->cmbCheck, ui->cmbCreditCard};
}

// Only leaf accounts can take postings, so only they are offered. A failed read leaves the
// combo empty, and a save is refused as for any blank account.
void frmSettings::fillAccountCombo(QComboBox *combo, int typeId)
{
    fillCombo(combo, {},
              QStringLiteral("Select AccountId, %1 from accounts where TypeId = :TypeId and AccountId not IN "
                             "(select ParentAccountId from accounts where parentAccountId is not null)")
                  .arg(accountEntrySql()),
              {{QStringLiteral(":TypeId"), typeId}});
    showEntriesWhole(combo);
}

void frmSettings::loadAccountDefaults()
{
    // A combo shows blank until the stored default is found: should the load fail, a save
    // is refused instead of writing whatever entry happened to come first.
    for (QComboBox *combo : accountCombos())
        combo->setCurrentIndex(-1);

    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT AccountDefaultId FROM accountsdefaults ORDER BY AccountDefaultId LIMIT 1"));
    if (!FailedReads::execNoted(this, query))
        return;
    // Remembered before the accounts are read: another user's change saved in between is
    // refused at the save rather than undone by it.
    if (query.next()) {
        defaultsId = query.value(0).toInt();
        stored.remember(defaultsId);
    }
    query.prepare(QStringLiteral(
        "SELECT AccountDefaultId, SalesAccId, SalesRefundAccId, PurchaseAccId,        PurchaseRefundAccId, "
        "PayrollAccId, AccountsReceivable, AccountsPayable,        SafeAccId, CheckAccId, CreditCardAccId "
        "FROM   accountsdefaults "));
    if (!FailedReads::execNoted(this, query))
        return;
    const QList<QComboBox *> combos = {ui->cmbSalesAcc, ui->cmbSalesReundsAcc, ui->cmbPurchasingAcc,
                                       ui->cmbPurchasingRefundsAcc, ui->cmbPayrollAcc,
                                       ui->cmbAccountsReceivable, ui->cmbAccountsPayable,
                                       ui->cmbSafe, ui->cmbCheck, ui->cmbCreditCard};
    while (query.next()) {
        for (int column = 1; column <= combos.size(); ++column) {
            QComboBox *combo = combos.at(column - 1);
            // An account that is no longer a leaf of the combo's type is shown as stored,
            // and refused by the save until another is chosen.
            selectStoredItem(combo, query.value(column), accountEntryOfIdSql());
        }
    }
}

void frmSettings::loadSettings()
{
    cXml xml(cXml::programSettingsPath());
    xml.load();

    // Shown as the invoice grids read the setting, which hide their columns only for
    // "false", "0" or an empty value; so saving without a change changes nothing.
    const QString shown = xml.getAttributes(QStringLiteral("Preferences"), QStringLiteral("ShowDiscountAndTax"))
                              .value(0, QStringLiteral("true"));
    ui->chkShowDiscTax->setChecked(!(shown.isEmpty() || shown == QLatin1String("0")
                                     || shown.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0));

    // Without a Language element the program starts in English.
    const QStringList languages = xml.getAttributes(QStringLiteral("Language"), QStringLiteral("DefaultLanguage"));
    loadedLanguage = languages.value(0, QStringLiteral("en"));
    if (loadedLanguage == QLatin1String("en"))
        ui->cmbLanguage->setCurrentIndex(0);
    else if (loadedLanguage == QLatin1String("ar"))
        ui->cmbLanguage->setCurrentIndex(1);

    const QStringList paths = xml.getAttributes(QStringLiteral("Backup"), QStringLiteral("Path"));
    if (!paths.isEmpty() && !paths.first().isEmpty()) {
        ui->chkAutomaticBackup->setChecked(true);
        on_chkAutomaticBackup_clicked(true);
        ui->txtBackupPath->setText(paths.first());
    }
}

void frmSettings::on_chkAutomaticBackup_clicked(bool checked)
{
    ui->txtBackupPath->setEnabled(checked);
    ui->btnBrowseBackupPath->setEnabled(checked);
    if (!checked)
        ui->txtBackupPath->clear();
}

void frmSettings::on_btnBrowseBackupPath_clicked()
{
    const QString folder = FileDialogs::getExistingDirectory(this, QStringLiteral("Choose Path"), QString());
    // A cancelled dialog keeps the folder: emptying it would quietly end the automatic backup.
    if (!folder.isEmpty())
        ui->txtBackupPath->setText(QDir::toNativeSeparators(folder));
}

void frmSettings::on_btnSaveAndClose_clicked()
{
    if (!FailedReads::readWhole(this) || !everyAccountChosen() || !saveAccountDefaults())
        return;
    const QString language = ui->cmbLanguage->currentIndex() == 1 ? QStringLiteral("ar") : QStringLiteral("en");
    // Everything is in the file before a restart is offered: the new instance reads it.
    if (!saveSettingsFile(language))
        return;
    if (language != loadedLanguage)
        offerRestart();
    close();
}

bool frmSettings::everyAccountChosen()
{
    for (QComboBox *combo : accountCombos()) {
        QString refusal;
        if (combo->currentIndex() < 0)
            refusal = tr("Choose an account in every box of the Accounts tab.");
        else if (showsStoredItemNotOffered(combo))
            refusal = tr("The %1 box shows an account it no longer offers: one with accounts below it, or of "
                         "another type. Choose another account and save again.")
                          .arg(FieldNames::of(combo));
        else
            continue;
        ui->tabWidget->setCurrentWidget(ui->tabAccounts);
        combo->setFocus();
        Messages::critical(this, msgCaption, refusal);
        return false;
    }
    return true;
}

bool frmSettings::saveAccountDefaults()
{
    cDbSave save;
    // A company without its row gets one: an update would touch nothing and pass for saved.
    // Should another user have stored a row since the load, it is theirs to keep.
    if (defaultsId == 0) {
        QSqlQuery existing = save.prepare(QStringLiteral("SELECT 1 FROM accountsdefaults LIMIT 1 FOR UPDATE"));
        if (save.exec(existing) && existing.next())
            save.failWith(stored.changedText());
    }
    // No WHERE clause in the update: the table holds exactly one row, which it rewrites.
    QSqlQuery query = save.prepare(
        defaultsId == 0
            ? QStringLiteral("INSERT INTO accountsdefaults (SalesAccId, SalesRefundAccId, PurchaseAccId, "
                             "PurchaseRefundAccId, PayrollAccId, AccountsPayable, AccountsReceivable, SafeAccId, "
                             "CheckAccId, CreditCardAccId) VALUES (:SalesAccId, :SalesRefundAccId, :PurchaseAccId, "
                             ":PurchaseRefundAccId, :PayrollAccId, :AccountsPayable, :AccountsReceivable, :SafeAccId, "
                             ":CheckAccId, :CreditCardAccId)")
            : QStringLiteral(
                  "UPDATE accountsdefaults SET    SalesAccId = :SalesAccId, SalesRefundAccId = :SalesRefundAccId,        "
                  "PurchaseAccId = :PurchaseAccId,        PurchaseRefundAccId = :PurchaseRefundAccId, "
                  "PayrollAccId = :PayrollAccId,        AccountsPayable = :AccountsPayable, "
                  "AccountsReceivable = :AccountsReceivable,        SafeAccId = :SafeAccId, CheckAccId = :CheckAccId, "
                  "CreditCardAccId = :CreditCardAccId "));
    query.bindValue(QStringLiteral(":AccountsReceivable"), ui->cmbAccountsReceivable->currentData().toInt());
    query.bindValue(QStringLiteral(":SalesAccId"), ui->cmbSalesAcc->currentData().toInt());
    query.bindValue(QStringLiteral(":SalesRefundAccId"), ui->cmbSalesReundsAcc->currentData().toInt());
    query.bindValue(QStringLiteral(":AccountsPayable"), ui->cmbAccountsPayable->currentData().toInt());
    query.bindValue(QStringLiteral(":PurchaseAccId"), ui->cmbPurchasingAcc->currentData().toInt());
    query.bindValue(QStringLiteral(":PurchaseRefundAccId"), ui->cmbPurchasingRefundsAcc->currentData().toInt());
    query.bindValue(QStringLiteral(":SafeAccId"), ui->cmbSafe->currentData().toInt());
    query.bindValue(QStringLiteral(":CheckAccId"), ui->cmbCheck->currentData().toInt());
    query.bindValue(QStringLiteral(":CreditCardAccId"), ui->cmbCreditCard->currentData().toInt());
    query.bindValue(QStringLiteral(":PayrollAccId"), ui->cmbPayrollAcc->currentData().toInt());
    save.execRecord(query, stored, defaultsId);
    // The window stays open when the settings file cannot be written: a second Save then
    // rewrites the row this one stored.
    const int id = defaultsId == 0 ? save.lastInsertId() : defaultsId;
    stored.rememberSaved(save, id);
    if (save.commit()) {
        defaultsId = id;
        return true;
    }
    Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
    return false;
}

bool frmSettings::saveSettingsFile(const QString &language)
{
    cXml xml(cXml::programSettingsPath());
    const bool saved = xml.update([&](cXml &file) {
        return file.setAttributes(QStringLiteral("Preferences"), {QStringLiteral("ShowDiscountAndTax")},
                                  {ui->chkShowDiscTax->isChecked() ? QStringLiteral("true") : QStringLiteral("false")})
               && file.setAttributes(QStringLiteral("Language"), {QStringLiteral("DefaultLanguage")}, {language})
               && file.setAttributes(QStringLiteral("Backup"), {QStringLiteral("Path")}, {ui->txtBackupPath->text()});
    });
    if (!saved)
        Messages::critical(this, msgCaption, tr("The settings could not be saved in the settings file."));
    return saved;
}

void frmSettings::offerRestart()
{
    const QMessageBox::StandardButton answer = Messages::question(
        this, msgCaption,
        tr("UI language has changed, that requires the application to restart. Would you like to restart it now?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes && !restartProgram())
        Messages::critical(this, msgCaption,
                           tr("Zarpo could not be restarted. The new language applies at the next start."));
}
