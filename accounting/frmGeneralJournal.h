#ifndef FRMGENERALJOURNAL_H
#define FRMGENERALJOURNAL_H

#include <QDialog>
#include <QList>
#include <QVariant>

#include "core/db/money.h"
#include "core/db/storedrecord.h"

class cDbSave;
class QSqlQuery;

namespace Ui {
class frmGeneralJournal;
}

// Writes a new journal entry, or changes one that Search loaded: its date, its
// description, lines added and stored lines removed. An entry saves only when its
// debit and credit totals agree and are above zero.
class frmGeneralJournal : public QDialog
{
    Q_OBJECT

public:
    explicit frmGeneralJournal(QWidget *parent = nullptr);
    ~frmGeneralJournal() override;

private slots:
    void updateTotals();
    void on_btnSave_clicked();
    bool isValid();
    void on_btnAdd_clicked();
    void on_btnRemove_clicked();
    void on_btnNew_clicked();
    void on_btnSearch_clicked();

private:
    void setupGrid();
    void fitAmountColumns();
    void insertJournal(cDbSave &save);
    void updateJournal(cDbSave &save);
    void bindHeader(QSqlQuery &header) const;
    void writeLines(cDbSave &save, int journalId);
    void checkStoredBalance(cDbSave &save, int journalId);
    Money columnTotal(int column) const;
    void loadJournal();

    Ui::frmGeneralJournal *ui;
    bool editMode = false;
    int journalId = 0;
    QList<QVariant> removedTransactionIds;
    cStoredRecord stored; // the entry as Search loaded it, for the update to find it unchanged
};

#endif // FRMGENERALJOURNAL_H
