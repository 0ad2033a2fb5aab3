#ifndef FRMDAILYCASH_H
#define FRMDAILYCASH_H

#include <QDate>
#include <QDialog>

namespace Ui {
class frmDailyCash;
}

// The money taken in and paid out on the invoices and refunds of a range of days, and
// the net of the four.
class frmDailyCash : public QDialog
{
    Q_OBJECT

public:
    explicit frmDailyCash(QWidget *parent = nullptr);
    ~frmDailyCash() override;

private slots:
    void on_dtFrom_dateChanged(QDate date);
    void on_dtTo_dateChanged(QDate date);
    void on_btnOK_clicked();

private:
    void calculate();
    void updateNet();

    Ui::frmDailyCash *ui;
};

#endif // FRMDAILYCASH_H
