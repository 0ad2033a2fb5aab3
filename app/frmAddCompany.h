#ifndef FRMADDCOMPANY_H
#define FRMADDCOMPANY_H

#include <QDialog>
#include <QSqlDatabase>

class cXml;

namespace Ui {
class frmAddCompany;
}

// Adds a company to the settings file or edits one; a database name the server does
// not list is created from the compiled-in schema first.
class frmAddCompany : public QDialog
{
    Q_OBJECT

public:
    explicit frmAddCompany(QWidget *parent = nullptr);
    ~frmAddCompany() override;

    void loadCompany(const QString &database);

private slots:
    void on_btnSave_clicked();
    void on_btnTestConnection_clicked();

private:
    bool saveCompany();
    bool createDatabase();

    QSqlDatabase db;
    Ui::frmAddCompany *ui;
    bool editMode = false;
    QString loadedDatabase;
    cXml *xml;
};

#endif // FRMADDCOMPANY_H
