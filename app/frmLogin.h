#ifndef FRMLOGIN_H
#define FRMLOGIN_H

#include <QDialog>
#include <QSqlDatabase>

namespace Ui {
class frmLogin;
}

// The first window: choose a company, manage the company list, switch the interface
// language, and log in.
class frmLogin : public QDialog
{
    Q_OBJECT

public:
    explicit frmLogin(QWidget *parent = nullptr);
    ~frmLogin() override;

private slots:
    void on_btnLogin_clicked();
    void on_btnCancel_clicked();
    void on_cmbCompanies_activated(int index);
    void on_btnEditCompany_clicked();
    void on_btnRemoveCompany_clicked();
    void on_btnEnglish_clicked();
    void on_btnArabic_clicked();

private:
    void fillCompanies();
    bool connectDatabase();
    bool checkUser();
    void setLanguage(const QString &code);

    Ui::frmLogin *ui;
    QSqlDatabase db;
};

#endif // FRMLOGIN_H
