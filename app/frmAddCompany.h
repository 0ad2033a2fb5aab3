#ifndef FRMADDCOMPANY_H
#define FRMADDCOMPANY_H

#include <QDialog>
#include <QSqlDatabase>
#include <QVariantMap>

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

    // Edits the company entry at `position` (from 0) among the file's entries.
    void loadCompany(int position);

    // Said when an entry was changed or removed by another window or program after it
    // was read; nothing was written.
    static QString entryChangedMeanwhileText();

private slots:
    void on_btnSave_clicked();
    void on_btnTestConnection_clicked();

private:
    bool saveCompany();
    bool createDatabase();

    QSqlDatabase db;
    Ui::frmAddCompany *ui;
    bool editMode = false;
    int loadedPosition = -1;
    QVariantMap loadedEntry; // the entry as read, to see that nobody changed it meanwhile
    cXml *xml;
};

#endif // FRMADDCOMPANY_H
