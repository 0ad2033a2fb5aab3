#ifndef FRMCOMPANYINFO_H
#define FRMCOMPANYINFO_H

#include "core/db/storedrecord.h"

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
    void loadCompanyInfo();

    Ui::frmCompanyInfo *ui;
    // The row shown; 0, and the save inserts, when there is none or the load failed.
    int companyId = 0;
    cStoredRecord stored; // the row as loaded, for the update to find it unchanged
};

#endif // FRMCOMPANYINFO_H
