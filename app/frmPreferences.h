#ifndef FRMPREFERENCES_H
#define FRMPREFERENCES_H

#include <QDialog>

namespace Ui {
class frmPreferences;
}

// An empty preferences window, kept for the menu command that the main window hides.
class frmPreferences : public QDialog
{
    Q_OBJECT

public:
    explicit frmPreferences(QWidget *parent = nullptr);
    ~frmPreferences() override;

private:
    Ui::frmPreferences *ui;
};

#endif // FRMPREFERENCES_H
