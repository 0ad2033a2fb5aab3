#ifndef FRMPURCHASEREFUNDVIEW_H
#define FRMPURCHASEREFUNDVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>
#include <QModelIndex>

namespace Ui {
class frmPurchaseRefundView;
}

// The stored purchase refunds; the refund editor's picker: Edit or a double click puts
// the refund's id into pickedPurchaseRefundId and closes.
class frmPurchaseRefundView : public QDialog
{
    Q_OBJECT

public:
    explicit frmPurchaseRefundView(QWidget *parent = nullptr);
    ~frmPurchaseRefundView() override;

private slots:
    void on_tblPurchaseInvoices_doubleClicked(const QModelIndex &);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();

private:
    void loadPurchaseRefunds();

    Ui::frmPurchaseRefundView *ui;
    cListTable refunds;
};

#endif // FRMPURCHASEREFUNDVIEW_H
