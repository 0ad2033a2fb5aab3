#ifndef FRMMAINWINDOW_H
#define FRMMAINWINDOW_H

#include <QMainWindow>
#include <QSqlDatabase>

namespace Ui {
class frmMainWindow;
}

// The hub the login opens: the header with who is logged in, the home tabs and the
// menus from which every other window of the program is opened.
class frmMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMainWindow(QWidget *parent = nullptr);
    ~frmMainWindow() override;

private slots:
    void on_actionExit_triggered();
    void on_actionLogout_triggered();

private:
    void setupVendorsToolBar();
    void restoreTabIndex();

    Ui::frmMainWindow *ui;
    // Only a handle: the connection stays registered and open after this window is
    // gone, for the windows opened from it.
    QSqlDatabase db;
};

#endif // FRMMAINWINDOW_H
