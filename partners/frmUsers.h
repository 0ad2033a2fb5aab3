#ifndef FRMUSERS_H
#define FRMUSERS_H

#include <QDialog>

namespace Ui {
class frmUsers;
}

// Creates program users: a user name and a password for an active employee who has
// no user yet. After a successful save it stands on a new user.
class frmUsers : public QDialog
{
    Q_OBJECT

public:
    frmUsers(QWidget *parent, int userId);
    ~frmUsers() override;

private slots:
    void on_btnNew_clicked();
    void on_btnSave_clicked();
    void on_btnSaveAndClose_clicked();
    void on_cmbEmployee_activated(int index);

private:
    void fillEmployees();
    void loadUser();
    bool validate();
    bool saveUser();

    Ui::frmUsers *ui;
    int userId;
};

#endif // FRMUSERS_H
