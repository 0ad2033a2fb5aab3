#ifndef FRMUOMVIEW_H
#define FRMUOMVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>

namespace Ui {
class frmUOMView;
}

// The list of units of measure, from which units are added, renamed and deleted.
class frmUOMView : public QDialog
{
    Q_OBJECT

public:
    explicit frmUOMView(QWidget *parent = nullptr);
    ~frmUOMView() override;

private slots:
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_btnNew_clicked();

private:
    void loadUOMs();

    Ui::frmUOMView *ui;
    cListTable units;
};

#endif // FRMUOMVIEW_H
