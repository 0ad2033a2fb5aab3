#ifndef FRMVENDORSVIEW_H
#define FRMVENDORSVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>

namespace Ui {
class frmVendorsView;
}

// The list of vendors, active ones unless asked for all, from which vendors are added,
// edited and deleted.
class frmVendorsView : public QDialog
{
    Q_OBJECT

public:
    explicit frmVendorsView(QWidget *parent = nullptr);
    ~frmVendorsView() override;

private slots:
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_chkShowInactive_stateChanged(int state);
    void on_btnNew_clicked();

private:
    void loadVendors(bool showInactive);

    Ui::frmVendorsView *ui;
    cListTable vendors;
};

#endif // FRMVENDORSVIEW_H
