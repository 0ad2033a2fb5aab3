#ifndef FRMCURRENCIESVIEW_H
#define FRMCURRENCIESVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>

namespace Ui {
class frmCurrenciesView;
}

// The list of currencies, where one of them is made the company's default.
class frmCurrenciesView : public QDialog
{
    Q_OBJECT

public:
    explicit frmCurrenciesView(QWidget *parent = nullptr);
    ~frmCurrenciesView() override;

private slots:
    void on_btnNew_clicked();
    void on_btnEdit_clicked();
    void on_btnDelete_clicked();
    void on_btnSetDefault_clicked();

private:
    void loadCurrencies();

    Ui::frmCurrenciesView *ui;
    cListTable currencies;
};

#endif // FRMCURRENCIESVIEW_H
