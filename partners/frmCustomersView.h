#ifndef FRMCUSTOMERSVIEW_H
#define FRMCUSTOMERSVIEW_H

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmCustomersView;
}

// The list of customers with a contact person, active ones unless asked for all,
// filtered as the user types; customers are added, edited and deleted from here.
class frmCustomersView : public QDialog
{
    Q_OBJECT

public:
    explicit frmCustomersView(QWidget *parent = nullptr);
    ~frmCustomersView() override;

private slots:
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_btnNew_clicked();
    void on_chkShowInactive_stateChanged(int state);
    void on_txtFilter_textChanged(const QString &text);

private:
    void loadCustomers(bool showInactive, const QString &column, const QString &text);
    void reload();
    QString filterColumn() const;

    Ui::frmCustomersView *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMCUSTOMERSVIEW_H
