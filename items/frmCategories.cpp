#include "items/frmCategories.h"
#include "ui_frmCategories.h"

#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/textcolumns.h"

#include <QSqlError>
#include <QSqlQuery>

frmCategories::frmCategories(QWidget *parent, int categoryId)
    : QDialog(parent), ui(new Ui::frmCategories), categoryId(categoryId),
      stored(QStringLiteral("itemcategories"), QStringLiteral("ItemCategoryId"), tr("this category"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    TextColumns::limit(QStringLiteral("itemcategories"), {{ui->txtCategory, QStringLiteral("Category"), ui->label}});
    if (categoryId > 0)
        loadCategory();
}

frmCategories::~frmCategories()
{
    delete ui;
}

void frmCategories::loadCategory()
{
    stored.remember(categoryId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("select * from itemcategories where itemCategoryId = :id"));
    query.bindValue(QStringLiteral(":id"), categoryId);
    if (!FailedReads::execNoted(this, query))
        return;
    if (query.next())
        ui->txtCategory->setText(query.value(1).toString());
}

bool frmCategories::validateCategory()
{
    if (!ui->txtCategory->text().trimmed().isEmpty())
        return true;
    Messages::information(this, msgCaption, QStringLiteral("Insert category"));
    return false;
}

bool frmCategories::saveCategory()
{
    if (!FailedReads::readWhole(this) || !validateCategory() || !TextColumns::storable(this))
        return false;
    cDbSave save;
    QSqlQuery query;
    if (categoryId != 0) {
        query = save.prepare(QStringLiteral("Update itemcategories set Category = :Category "
                                            "where itemCategoryId = :id;"));
        query.bindValue(QStringLiteral(":id"), categoryId);
    } else {
        query = save.prepare(QStringLiteral("Insert into itemcategories (Category) Values (:Category);"));
    }
    query.bindValue(QStringLiteral(":Category"), ui->txtCategory->text().trimmed());
    save.execRecord(query, stored, categoryId);
    added.read(save, categoryId);
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmCategories::on_btnSaveAndClose_clicked()
{
    if (saveCategory())
        close();
}

void frmCategories::on_btnSave_clicked()
{
    saveCategory();
}

void frmCategories::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    ui->txtCategory->clear();
    categoryId = 0;
}
