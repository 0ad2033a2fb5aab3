#include "app/frmAbout.h"
#include "ui_frmAbout.h"

#include "core/system/seams.h"

#include <QCoreApplication>
#include <QUrl>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmAbout)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint);
    // The version is a name, not a word: only the label before it is translated. After an
    // Arabic label the bidi rules would show "Beta 2.1.0"; an isolate keeps the name in its order.
    const QString label = ui->lblVersion->text();
    const QString version = QCoreApplication::applicationVersion();
    ui->lblVersion->setText(label.isRightToLeft() ? label + QChar(0x2066) + version + QChar(0x2069) : label + version);
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
