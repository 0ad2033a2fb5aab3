#ifndef FRMSALESINVOICEVIEW_H
#define FRMSALESINVOICEVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>
#include <QModelIndex>

namespace Ui {
class frmSalesInvoiceView;
}

// The stored sales invoices; the invoice editor's picker: Edit or a double click puts the
// invoice's id into pickedSalesInvoiceId and closes.
class frmSalesInvoiceView : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesInvoiceView(QWidget *parent = nullptr);
    ~frmSalesInvoiceView() override;

private slots:
    void on_tblSalesInvoices_doubleClicked(const QModelIndex &);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();

private:
    void loadSalesInvoices();

    Ui::frmSalesInvoiceView *ui;
    cListTable invoices;
};

#endif // FRMSALESINVOICEVIEW_H
