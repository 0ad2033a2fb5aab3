#ifndef FRMFISCALYEARVIEW_H
#define FRMFISCALYEARVIEW_H

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmFiscalYearView;
}

// The list of the company's fiscal years.
class frmFiscalYearView : public QDialog
{
    Q_OBJECT

public:
    explicit frmFiscalYearView(QWidget *parent = nullptr);
    ~frmFiscalYearView() override;

private slots:
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_btnNew_clicked();

private:
    void loadFiscalYears();

    Ui::frmFiscalYearView *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMFISCALYEARVIEW_H
