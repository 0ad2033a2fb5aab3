#ifndef FRMUSERCHANGEPASSWORD_H
#define FRMUSERCHANGEPASSWORD_H

#include <QDialog>

namespace Ui {
class frmUserChangePassword;
}

// Replaces one program user's password after checking the old one.
class frmUserChangePassword : public QDialog
{
    Q_OBJECT

public:
    frmUserChangePassword(QWidget *parent, int userId, const QString &userName);
    ~frmUserChangePassword() override;

private slots:
    void on_btnSaveAndClose_clicked();

private:
    bool validate();

    Ui::frmUserChangePassword *ui;
    int userId;
};

#endif // FRMUSERCHANGEPASSWORD_H
