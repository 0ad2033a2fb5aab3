#include "app/frmPreferences.h"
#include "ui_frmPreferences.h"

#include "core/system/globals.h"

frmPreferences::frmPreferences(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmPreferences)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
}

frmPreferences::~frmPreferences()
{
    delete ui;
}
