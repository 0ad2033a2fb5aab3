#ifndef FRMSALESQUOTEVIEW_H
#define FRMSALESQUOTEVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>
#include <QModelIndex>

namespace Ui {
class frmSalesQuoteView;
}

// The stored sales quotes; the quote editor's picker: Edit or a double click puts the
// quote's id into pickedSalesQuoteId and closes.
class frmSalesQuoteView : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesQuoteView(QWidget *parent = nullptr);
    ~frmSalesQuoteView() override;

private slots:
    void on_tblSalesQuotes_doubleClicked(const QModelIndex &);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();

private:
    void loadSalesQuotes();

    Ui::frmSalesQuoteView *ui;
    cListTable quotes;
};

#endif // FRMSALESQUOTEVIEW_H
