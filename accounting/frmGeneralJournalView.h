#ifndef FRMGENERALJOURNALVIEW_H
#define FRMGENERALJOURNALVIEW_H

#include <QDialog>
#include <QModelIndex>
#include <QString>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmGeneralJournalView;
}

// The stored journal entries, optionally within a date range; the journal editor's
// picker: Edit or a double click puts the entry's id into pickedJournalId and accepts.
class frmGeneralJournalView : public QDialog
{
    Q_OBJECT

public:
    explicit frmGeneralJournalView(QWidget *parent = nullptr);
    ~frmGeneralJournalView() override;

private slots:
    void on_btnSearch_clicked();
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_tblTransactions_doubleClicked(const QModelIndex &index);

private:
    void loadJournals(const QString &dateFilter);

    Ui::frmGeneralJournalView *ui;
    std::unique_ptr<QSqlQueryModel> model;
    QString filter;
};

#endif // FRMGENERALJOURNALVIEW_H
