#ifndef FRMPURCHASEINVOICEVIEW_H
#define FRMPURCHASEINVOICEVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>
#include <QModelIndex>

namespace Ui {
class frmPurchaseInvoiceView;
}

// The stored purchase invoices; the invoice editor's picker: Edit or a double click puts
// the invoice's id into pickedPurchaseInvoiceId and closes.
class frmPurchaseInvoiceView : public QDialog
{
    Q_OBJECT

public:
    explicit frmPurchaseInvoiceView(QWidget *parent = nullptr);
    ~frmPurchaseInvoiceView() override;

private slots:
    void on_tblPurchaseInvoices_doubleClicked(const QModelIndex &);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();

private:
    void loadPurchaseInvoices();

    Ui::frmPurchaseInvoiceView *ui;
    cListTable invoices;
};

#endif // FRMPURCHASEINVOICEVIEW_H
