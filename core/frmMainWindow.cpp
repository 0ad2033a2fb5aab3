#include "core/frmMainWindow.h"
#include "ui_frmMainWindow.h"

#include "core/cXml.h"
#include "core/connection.h"
#include "core/frmLogin.h"
#include "core/globals.h"
#include "core/messages.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlError>

frmMainWindow::frmMainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmMainWindow)
{
    ui->setupUi(this);
    setWindowTitle(windowTitle() + QCoreApplication::applicationVersion());
    if (rightToLeft) {
        setLayoutDirection(Qt::RightToLeft);
        ui->tabWidget->setTabPosition(QTabWidget::East);
    }
    setupVendorsToolBar();
    restoreTabIndex();

    // From here on every window's statements run on this connection, which replaces the
    // login's. A failure is only reported: the window opens all the same, with empty panels.
    db = openDefaultConnectionFromSettings();
    if (!db.isOpen())
        Messages::critical(this, msgCaption, db.lastError().text());

    // Names are shown as they were typed, even one that happens to look like markup.
    ui->lblWelcome->setTextFormat(Qt::PlainText);
    ui->lblCompany->setTextFormat(Qt::PlainText);
    ui->lblWelcome->setText(currentPersonName);
    ui->lblCompany->setText(QStringLiteral(" - ") + companyName);
    ui->lblDate->setText(QDate::currentDate().toString());

    // The home panels are filled here, whatever became of the connection above.
}

frmMainWindow::~frmMainWindow()
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    xml.setAttributes(QStringLiteral("MainWindow"), {QStringLiteral("TabIndex")},
                      {QString::number(ui->tabWidget->currentIndex())});
    delete ui;
}

void frmMainWindow::setupVendorsToolBar()
{
    ui->mainToolBar->addAction(QIcon(QStringLiteral(":/new/Pics/AccResources/supplier.png")),
                               QStringLiteral("Vendors"));
    ui->mainToolBar->hide();
}

void frmMainWindow::restoreTabIndex()
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    const QStringList stored = xml.getAttributes(QStringLiteral("MainWindow"), QStringLiteral("TabIndex"));
    if (stored.isEmpty())
        return;
    // A damaged value reads as 0 and the index of a tab that does not exist is ignored:
    // a hand-edited file opens the window on the Dashboard.
    const int index = stored.first().toInt();
    if (index >= 0 && index < ui->tabWidget->count())
        ui->tabWidget->setCurrentIndex(index);
}

void frmMainWindow::on_actionExit_triggered()
{
    // Ends the program without closing any window, so the home tab is not stored.
    QCoreApplication::exit(0);
}

void frmMainWindow::on_actionLogout_triggered()
{
    // The login dialog is on screen before this window closes, so the program never passes
    // a moment without a visible window, at which Qt takes the last window as closed and
    // may end the program instead of returning to the login.
    auto *login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->show();
    close();
}
