#ifndef FRMSALESREFUNDVIEW_H
#define FRMSALESREFUNDVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>
#include <QModelIndex>

namespace Ui {
class frmSalesRefundView;
}

// The stored sales refunds; the refund editor's picker: Edit or a double click puts the
// refund's id into pickedSalesRefundId and closes.
class frmSalesRefundView : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesRefundView(QWidget *parent = nullptr);
    ~frmSalesRefundView() override;

private slots:
    void on_tblSalesInvoices_doubleClicked(const QModelIndex &);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();

private:
    void loadSalesRefunds();

    Ui::frmSalesRefundView *ui;
    cListTable refunds;
};

#endif // FRMSALESREFUNDVIEW_H
