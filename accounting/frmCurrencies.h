#ifndef FRMCURRENCIES_H
#define FRMCURRENCIES_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>

namespace Ui {
class frmCurrencies;
}

// Creates and edits one currency (currencyId 0: a new one); after a successful save it
// stands on a new currency.
class frmCurrencies : public QDialog
{
    Q_OBJECT

public:
    frmCurrencies(QWidget *parent, int currencyId);
    ~frmCurrencies() override;

    // The currency that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_btnNew_clicked();
    void on_btnSave_clicked();
    void on_btnSaveAndClose_clicked();
    void on_btnCharacterMap_clicked();

private:
    void loadCurrency();
    bool validateCurrencyName();
    bool saveCurrency();

    Ui::frmCurrencies *ui;
    int currencyId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMCURRENCIES_H
