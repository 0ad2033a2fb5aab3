#ifndef FRMINVENTORY_H
#define FRMINVENTORY_H

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmInventory;
}

// The stock on hand of one active warehouse at a time: per item and unit, what was
// bought, what was sold and what is left, each net of its refunds.
class frmInventory : public QDialog
{
    Q_OBJECT

public:
    explicit frmInventory(QWidget *parent);
    ~frmInventory() override;

private slots:
    void on_cmbWarehouses_activated(int index);

private:
    void fillWarehouses();
    void loadInventory();

    Ui::frmInventory *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMINVENTORY_H
