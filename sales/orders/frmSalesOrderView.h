#ifndef FRMSALESORDERVIEW_H
#define FRMSALESORDERVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>
#include <QModelIndex>

namespace Ui {
class frmSalesOrderView;
}

// The stored sales orders; the order editor's picker: Edit or a double click puts the
// order's id into pickedSalesOrderId and closes.
class frmSalesOrderView : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesOrderView(QWidget *parent = nullptr);
    ~frmSalesOrderView() override;

private slots:
    void on_tblSalesOrders_doubleClicked(const QModelIndex &);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();

private:
    void loadSalesOrders();

    Ui::frmSalesOrderView *ui;
    cListTable orders;
};

#endif // FRMSALESORDERVIEW_H
