#ifndef FRMEMPLOYEESVIEW_H
#define FRMEMPLOYEESVIEW_H

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmEmployeesView;
}

// The list of employees, active ones unless asked for all, from which employees are
// added, edited and deleted.
class frmEmployeesView : public QDialog
{
    Q_OBJECT

public:
    explicit frmEmployeesView(QWidget *parent = nullptr);
    ~frmEmployeesView() override;

private slots:
    void on_chkShowInactive_stateChanged(int state);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_btnNew_clicked();

private:
    void loadEmployees(bool showInactive);

    Ui::frmEmployeesView *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMEMPLOYEESVIEW_H
