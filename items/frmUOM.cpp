#include "items/frmUOM.h"
#include "ui_frmUOM.h"

#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/textcolumns.h"

#include <QSqlError>
#include <QSqlQuery>

frmUOM::frmUOM(QWidget *parent, int uomId)
    : QDialog(parent), ui(new Ui::frmUOM), uomId(uomId),
      stored(QStringLiteral("uom"), QStringLiteral("UOMId"), tr("this unit of measure"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    TextColumns::limit(QStringLiteral("uom"), {{ui->txtUOM, QStringLiteral("UOM"), ui->label}});
    if (uomId != 0)
        loadUOM();
}

frmUOM::~frmUOM()
{
    delete ui;
}

void frmUOM::loadUOM()
{
    stored.remember(uomId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from uom where uomId = :id"));
    query.bindValue(QStringLiteral(":id"), uomId);
    if (!FailedReads::execNoted(this, query))
        return;
    if (query.next())
        ui->txtUOM->setText(query.value(1).toString());
}

bool frmUOM::saveUOM()
{
    // Nothing else is checked: a name is stored exactly as typed, blanks included.
    if (!FailedReads::readWhole(this) || !TextColumns::storable(this))
        return false;
    cDbSave save;
    QSqlQuery query;
    if (uomId != 0) {
        query = save.prepare(QStringLiteral("Update uom set UOM = :uom where UomId = :id;"));
        query.bindValue(QStringLiteral(":id"), uomId);
    } else {
        query = save.prepare(QStringLiteral("Insert into uom (UOM) values (:uom);"));
    }
    query.bindValue(QStringLiteral(":uom"), textNotNull(ui->txtUOM->text()));
    save.execRecord(query, stored, uomId);
    added.read(save, uomId);
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmUOM::on_btnSaveAndClose_clicked()
{
    if (saveUOM())
        close();
}

void frmUOM::on_btnSave_clicked()
{
    saveUOM();
}

void frmUOM::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    uomId = 0;
    ui->txtUOM->clear();
}
