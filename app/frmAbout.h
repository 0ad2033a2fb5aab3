#ifndef FRMABOUT_H
#define FRMABOUT_H

#include <QDialog>

namespace Ui {
class frmAbout;
}

// The program's logo, version and the links to its web site and support address.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

private slots:
    void on_btnClose_clicked();
    void on_lblWebsite_linkActivated(const QString &link);
    void on_lblEmail_linkActivated(const QString &link);

private:
    Ui::frmAbout *ui;
};

#endif // FRMABOUT_H
