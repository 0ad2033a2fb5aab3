#ifndef FRMPERSONSVIEW_H
#define FRMPERSONSVIEW_H

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class frmPersonsView;
}

// The list of address cards, from which cards are added, edited and deleted.
class frmPersonsView : public QDialog
{
    Q_OBJECT

public:
    explicit frmPersonsView(QWidget *parent = nullptr);
    ~frmPersonsView() override;

private slots:
    void on_btnNew_clicked();
    void on_btnEdit_clicked();
    void on_btnDelete_clicked();

private:
    void loadPersons();

    Ui::frmPersonsView *ui;
    std::unique_ptr<QSqlQueryModel> model;
};

#endif // FRMPERSONSVIEW_H
