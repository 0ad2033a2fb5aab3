#include "app/frmAbout.h"
#include "ui_frmAbout.h"

#include "core/system/seams.h"
#include "core/widgets/direction.h"

#include <QCoreApplication>
#include <QUrl>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmAbout)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint);
    // The version is a name, not a word: only the label before it is translated, and the
    // version keeps its order after an Arabic label ("2.1.0 Beta", not "Beta 2.1.0").
    const QString label = ui->lblVersion->text();
    ui->lblVersion->setText(Direction::joined(label, QCoreApplication::applicationVersion(), Direction::of(label)));
}

frmAbout::~frmAbout()
{
    delete ui;
}

void frmAbout::on_btnClose_clicked()
{
    close();
}

// A link the desktop cannot open is dropped silently: the address stays readable in the box.
void frmAbout::on_lblWebsite_linkActivated(const QString &link)
{
    Desktop::openUrl(QUrl(link));
}

void frmAbout::on_lblEmail_linkActivated(const QString &link)
{
    Desktop::openUrl(QUrl(link));
}
