#ifndef FRMSALESPROFIT_H
#define FRMSALESPROFIT_H

#include <QDialog>

#include <memory>

class QSqlError;
class QSqlQueryModel;

namespace Ui {
class frmSalesProfit;
}

// Every invoice line sold in a range of dates beside what its goods cost to buy, with
// the total sales, the total cost and the profit or loss.
class frmSalesProfit : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesProfit(QWidget *parent = nullptr);
    ~frmSalesProfit() override;

private slots:
    void on_btnSearch_clicked();

private:
    void searchProfit();
    void updateTotals();
    void showFailure(const QSqlError &error);

    Ui::frmSalesProfit *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMSALESPROFIT_H
