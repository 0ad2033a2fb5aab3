#ifndef FRMDEPARTMENTSVIEW_H
#define FRMDEPARTMENTSVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>

namespace Ui {
class frmDepartmentsView;
}

// The list of departments, from which departments are added, renamed and deleted.
class frmDepartmentsView : public QDialog
{
    Q_OBJECT

public:
    explicit frmDepartmentsView(QWidget *parent = nullptr);
    ~frmDepartmentsView() override;

private slots:
    void on_btnNew_clicked();
    void on_btnEdit_clicked();
    void on_btnDelete_clicked();

private:
    void loadDepartments();

    Ui::frmDepartmentsView *ui;
    cListTable departments;
};

#endif // FRMDEPARTMENTSVIEW_H
