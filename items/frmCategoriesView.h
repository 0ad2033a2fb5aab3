#ifndef FRMCATEGORIESVIEW_H
#define FRMCATEGORIESVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>

namespace Ui {
class frmCategoriesView;
}

// The list of item categories, from which categories are added, renamed and deleted.
class frmCategoriesView : public QDialog
{
    Q_OBJECT

public:
    explicit frmCategoriesView(QWidget *parent = nullptr);
    ~frmCategoriesView() override;

private slots:
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_btnNew_clicked();

private:
    void loadCategories();

    Ui::frmCategoriesView *ui;
    cListTable categories;
};

#endif // FRMCATEGORIESVIEW_H
