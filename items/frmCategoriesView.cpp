#include "items/frmCategoriesView.h"
#include "ui_frmCategoriesView.h"

#include "core/system/globals.h"
#include "items/frmCategories.h"

namespace {
enum Column { colItemCategoryId, colCategory };
}

frmCategoriesView::frmCategoriesView(QWidget *parent) : QDialog(parent), ui(new Ui::frmCategoriesView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    categories.attach(ui->tblCategories);
    loadCategories();
}

frmCategoriesView::~frmCategoriesView()
{
    delete ui;
}

void frmCategoriesView::loadCategories()
{
    categories.load(QStringLiteral("Select * from itemcategories"), {tr("Category")});
}

void frmCategoriesView::on_btnDelete_clicked()
{
    const QString question = ListDialog::deleteQuestion(QStringLiteral(": "), categories.currentValue(colCategory).toString());
    // No foreign key guards a category: items that still name it would drop out of the
    // item list and the picker, which join the categories.
    if (categories.deleteCurrent(this, QStringLiteral("Delete from itemcategories where itemCategoryId = :id"),
                                 question,
                                 QStringLiteral("Select 1 from items where CategoryId = :id limit 1 lock in share mode")))
        loadCategories();
}

void frmCategoriesView::on_btnEdit_clicked()
{
    if (categories.editCurrent<frmCategories>(this))
        loadCategories();
}

void frmCategoriesView::on_btnNew_clicked()
{
    if (categories.addNew<frmCategories>(this))
        loadCategories();
}
