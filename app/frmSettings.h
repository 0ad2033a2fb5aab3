#ifndef FRMSETTINGS_H
#define FRMSETTINGS_H

#include "core/db/storedrecord.h"

#include <QDialog>
#include <QList>

class QComboBox;

namespace Ui {
class frmSettings;
}

// The company's ten default accounts, the interface language, whether invoices show
// discount and tax, and the folder of the automatic backup, all saved by one button.
class frmSettings : public QDialog
{
    Q_OBJECT

public:
    explicit frmSettings(QWidget *parent = nullptr);
    ~frmSettings() override;

private slots:
    void on_btnSaveAndClose_clicked();
    void on_chkAutomaticBackup_clicked(bool checked);
    void on_btnBrowseBackupPath_clicked();

private:
    void fillAccountCombo(QComboBox *combo, int typeId);
    void loadAccountDefaults();
    void loadSettings();
    bool everyAccountChosen();
    bool saveAccountDefaults();
    bool saveSettingsFile(const QString &language);
    void offerRestart();
    QList<QComboBox *> accountCombos() const;

    Ui::frmSettings *ui;
    // The language the program starts in as the window found it; a change asks for a restart.
    QString loadedLanguage;
    // The row of default accounts as the window loaded it, and its id (0: none stored).
    cStoredRecord stored;
    int defaultsId = 0;
};

#endif // FRMSETTINGS_H
