#ifndef FRMITEMCAPITAL_H
#define FRMITEMCAPITAL_H

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmItemCapital;
}

// What the stock on hand is worth, per item, unit and warehouse, at the last purchase
// price and at the average list price, with the two totals and their difference. Read
// once: reopening the window refreshes it.
class frmItemCapital : public QDialog
{
    Q_OBJECT

public:
    explicit frmItemCapital(QWidget *parent);
    ~frmItemCapital() override;

private:
    void loadItemCapital();

    Ui::frmItemCapital *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMITEMCAPITAL_H
