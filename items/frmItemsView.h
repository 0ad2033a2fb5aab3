#ifndef FRMITEMSVIEW_H
#define FRMITEMSVIEW_H

#include "core/widgets/listdialog.h"

#include <QDialog>

class QModelIndex;

namespace Ui {
class frmItemsView;
}

// The list of items, filtered by type, activity and a part of their number or name,
// from which items are added, edited and deleted. With pickerMode set it is also the
// item picker of the documents: a double-click on a row, or Return in the filter box on
// the first row, stores that item in pickedItemId and accepts; any other end rejects and
// leaves pickedItemId as it was.
class frmItemsView : public QDialog
{
    Q_OBJECT

public:
    explicit frmItemsView(QWidget *parent = nullptr);
    ~frmItemsView() override;

    bool pickerMode;

private slots:
    void on_tblItems_doubleClicked(const QModelIndex &index);
    void on_btnDelete_clicked();
    void on_btnEdit_clicked();
    void on_cmbType_activated(int index);
    void on_chkShowInactive_clicked();
    void on_btnNew_clicked();
    void on_txtFilter_textChanged(const QString &text);
    void on_txtFilter_returnPressed();

private:
    void fillItemTypes();
    void loadItems(bool showInactive, int typeId, const QString &column, const QString &filter);
    // The list as a change of type or activity shows it: no text filter.
    void reloadUnfiltered();

    Ui::frmItemsView *ui;
    cListTable items;
};

#endif // FRMITEMSVIEW_H
