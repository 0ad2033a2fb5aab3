#ifndef DLGACCTRANS_H
#define DLGACCTRANS_H

#include <QDialog>
#include <QString>

namespace Ui {
class dlgAccTrans;
}

// One line of a journal entry: a leaf account with a debit or a credit amount and a
// comment. It writes nothing; a caller reads the static members after exec() returned
// Accepted, which only Save does.
class dlgAccTrans : public QDialog
{
    Q_OBJECT

public:
    explicit dlgAccTrans(QWidget *parent = nullptr);
    ~dlgAccTrans() override;

    static double debit;
    static double credit;
    static int accountId;
    static QString comment;
    static QString accountText;

private slots:
    void on_btnSave_clicked();
    void on_btnCancel_clicked();

private:
    void fillAccounts();

    Ui::dlgAccTrans *ui;
};

#endif // DLGACCTRANS_H
