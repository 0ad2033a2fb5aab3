#ifndef FRMCOMPANYINFO_H
#define FRMCOMPANYINFO_H

#include <QDialog>

namespace Ui {
class frmCompanyInfo;
}

// The company's name, address and phone: the one row of companyinfo. Reports and
// invoices show what the login read, so a change shows from the next login on.
class frmCompanyInfo : public QDialog
{
    Q_OBJECT

public:
    explicit frmCompanyInfo(QWidget *parent = nullptr);
    ~frmCompanyInfo() override;

private slots:
    void on_btnSave_clicked();

private:
    bool loadCompanyInfo();

    Ui::frmCompanyInfo *ui;
    // Decides between update and insert; a failed load counts as no row.
    bool companyRowExists = false;
};

#endif // FRMCOMPANYINFO_H
