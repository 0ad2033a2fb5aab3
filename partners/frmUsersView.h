#ifndef FRMUSERSVIEW_H
#define FRMUSERSVIEW_H

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmUsersView;
}

// The list of program users, from which users are added, deleted and given a new
// password.
class frmUsersView : public QDialog
{
    Q_OBJECT

public:
    explicit frmUsersView(QWidget *parent = nullptr);
    ~frmUsersView() override;

private slots:
    void on_btnChangePassword_clicked();
    void on_btnDelete_clicked();
    void on_btnNew_clicked();

private:
    void loadUsers();
    bool isLastUser() const;

    Ui::frmUsersView *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMUSERSVIEW_H
