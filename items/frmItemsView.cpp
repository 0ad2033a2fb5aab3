#include "items/frmItemsView.h"
#include "ui_frmItemsView.h"

#include "core/widgets/comboboxes.h"
#include "core/system/globals.h"
#include "core/widgets/listfilter.h"
#include "items/frmItems.h"

#include <QTableView>

#include <iterator>

namespace {
enum Column { colItemId, colItemNo, colItemName, colType, colCategory };

// The columns the text filter searches, by the index of the filter-by combo.
const char *const filterColumns[] = {"ItemNo", "ItemName"};
}

frmItemsView::frmItemsView(QWidget *parent) : QDialog(parent), pickerMode(false), ui(new Ui::frmItemsView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    items.attach(ui->tblItems);
    fillItemTypes();
    loadItems(ui->chkShowInactive->isChecked(), 0, QString(), QString());
    ui->cmbFilterBy->setCurrentIndex(1);
    ui->txtFilter->setFocus();
    // No button answers Return: in the filter box it picks, and nothing else.
    ui->btnNew->setDefault(false);
}

frmItemsView::~frmItemsView()
{
    delete ui;
}

void frmItemsView::fillItemTypes()
{
    fillCombo(ui->cmbType, {tr("All")}, QStringLiteral("select TypeId, Type from itemtypes"));
    ui->cmbType->setItemData(0, 0);
}

// The joins leave out an item whose type or category row is missing, so nothing without
// them can be picked.
void frmItemsView::loadItems(bool showInactive, int typeId, const QString &column, const QString &filter)
{
    QString sql = QStringLiteral(
        "select items.ItemId, items.ItemNo, items.ItemName, Type, Category from items "
        "inner join itemtypes on items.TypeId = itemtypes.TypeId "
        "inner join itemcategories on items.CategoryId = itemcategories.ItemCategoryId ");
    QStringList conditions;
    if (!showInactive)
        conditions << QStringLiteral("items.IsActive = 1");
    if (typeId > 0)
        conditions << QStringLiteral("items.TypeId = %1").arg(typeId);
    QVariantMap values;
    if (!column.isEmpty()) {
        conditions << ListFilter::like(QStringLiteral("items.") + column, QStringLiteral(":pattern"));
        values.insert(QStringLiteral(":pattern"), ListFilter::containing(filter));
    }
    if (!conditions.isEmpty())
        sql += QStringLiteral(" Where ") + conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY items.ItemName ");
    items.load(sql, {tr("Item No."), tr("Item Name"), tr("Type"), tr("Category")}, values);
}

void frmItemsView::reloadUnfiltered()
{
    loadItems(ui->chkShowInactive->isChecked(), ui->cmbType->currentData().toInt(), QString(), QString());
}

void frmItemsView::on_txtFilter_textChanged(const QString &text)
{
    const int by = ui->cmbFilterBy->currentIndex();
    if (by >= 0 && by < int(std::size(filterColumns)))
        loadItems(ui->chkShowInactive->isChecked(), ui->cmbType->currentData().toInt(),
                  QLatin1String(filterColumns[by]), text);
    items.selectFirstRow();
}

// Return picks the first listed item, whichever row was chosen before.
void frmItemsView::on_txtFilter_returnPressed()
{
    if (!items.selectFirstRow())
        return;
    on_tblItems_doubleClicked(ui->tblItems->currentIndex());
}

void frmItemsView::on_tblItems_doubleClicked(const QModelIndex &index)
{
    if (!pickerMode || !index.isValid())
        return;
    ui->tblItems->setCurrentIndex(index.sibling(index.row(), colItemId));
    items.pickCurrent(this, pickedItemId);
}

void frmItemsView::on_cmbType_activated(int /*index*/)
{
    reloadUnfiltered();
}

void frmItemsView::on_chkShowInactive_clicked()
{
    reloadUnfiltered();
}

void frmItemsView::on_btnNew_clicked()
{
    if (items.addNew<frmItems>(this))
        reloadUnfiltered();
}

void frmItemsView::on_btnEdit_clicked()
{
    if (items.editCurrent<frmItems>(this))
        reloadUnfiltered();
}

// An item's prices go with it; one with unit conversions, or on any document line, is
// refused by the server's foreign keys.
void frmItemsView::on_btnDelete_clicked()
{
    const QString question = ListDialog::deleteQuestion(QStringLiteral(": "), items.currentValue(colItemNo).toString());
    if (items.deleteCurrent(this, QStringLiteral("Delete from items where ItemId = :id"), question))
        reloadUnfiltered();
}
