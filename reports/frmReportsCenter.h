#ifndef FRMREPORTSCENTER_H
#define FRMREPORTSCENTER_H

#include <QDialog>
#include <QModelIndex>
#include <QPointer>

class cFilterWidget;

namespace Ui {
class frmReportsCenter;
}

// The catalogue of reports as a tree of categories. Choosing a report shows its filter
// panel, where it has one; Show Report (or a double-click) runs it, through the panel
// or straight away, into a preview of its own.
class frmReportsCenter : public QDialog
{
    Q_OBJECT

public:
    explicit frmReportsCenter(QWidget *parent = nullptr);
    ~frmReportsCenter() override;

private slots:
    void on_treeWidget_itemSelectionChanged();
    void on_btnShow_clicked();
    void on_treeWidget_doubleClicked(const QModelIndex &index);

private:
    QString currentCode() const;

    Ui::frmReportsCenter *ui;
    // The panel shown last; owned by the filter area, which keeps closed panels hidden.
    QPointer<cFilterWidget> filterPanel;
};

#endif // FRMREPORTSCENTER_H
