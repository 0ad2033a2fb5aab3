#ifndef FRMPURCHASEORDERVIEW_H
#define FRMPURCHASEORDERVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>
#include <QModelIndex>

namespace Ui {
class frmPurchaseOrderView;
}

// The stored purchase orders; the order editor's picker: Edit or a double click puts the
// order's id into pickedPurchaseOrderId and closes. Each opening starts with no choice, so
// closing it without one never brings back an order chosen in an earlier list.
class frmPurchaseOrderView : public QDialog
{
    Q_OBJECT

public:
    explicit frmPurchaseOrderView(QWidget *parent = nullptr);
    ~frmPurchaseOrderView() override;

private slots:
    void on_tblPurchaseOrders_doubleClicked(const QModelIndex &);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();

private:
    void loadPurchaseOrders();

    Ui::frmPurchaseOrderView *ui;
    cListTable orders;
};

#endif // FRMPURCHASEORDERVIEW_H
