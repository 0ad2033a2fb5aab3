#include "items/frmUOMView.h"
#include "ui_frmUOMView.h"

#include "core/system/globals.h"
#include "items/frmUOM.h"

namespace {
enum Column { colUOMId, colUOM };
}

frmUOMView::frmUOMView(QWidget *parent) : QDialog(parent), ui(new Ui::frmUOMView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    units.attach(ui->tblUom);
    loadUOMs();
}

frmUOMView::~frmUOMView()
{
    delete ui;
}

void frmUOMView::loadUOMs()
{
    units.load(QStringLiteral("Select * from uom"), {tr("UOM")});
}

void frmUOMView::on_btnDelete_clicked()
{
    const QString question = ListDialog::deleteQuestion(QStringLiteral(": "), units.currentValue(colUOM).toString());
    if (units.deleteCurrent(this, QStringLiteral("Delete from uom where uomid = :id"), question))
        loadUOMs();
}

void frmUOMView::on_btnEdit_clicked()
{
    if (units.editCurrent<frmUOM>(this))
        loadUOMs();
}

void frmUOMView::on_btnNew_clicked()
{
    if (units.addNew<frmUOM>(this))
        loadUOMs();
}
