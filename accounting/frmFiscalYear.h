#ifndef FRMFISCALYEAR_H
#define FRMFISCALYEAR_H

#include "core/db/storedrecord.h"

#include <QDate>
#include <QDialog>

namespace Ui {
class frmFiscalYear;
}

// Creates or edits one fiscal year (fiscalYearId 0: a new one); the year ends the day
// before its start's anniversary, and a successful save closes the window.
class frmFiscalYear : public QDialog
{
    Q_OBJECT

public:
    frmFiscalYear(QWidget *parent, int fiscalYearId);
    ~frmFiscalYear() override;

private slots:
    void on_btnSave_clicked();
    void on_dateFrom_dateChanged(const QDate &date);

private:
    void loadFiscalYear();

    Ui::frmFiscalYear *ui;
    int fiscalYearId;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMFISCALYEAR_H
