#include "partners/frmPersonsView.h"
#include "ui_frmPersonsView.h"

#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "core/widgets/screenfit.h"
#include "partners/frmPersons.h"

#include <QSqlQueryModel>

namespace {
const int colPersonId = 0;
}

frmPersonsView::frmPersonsView(QWidget *parent) : QDialog(parent), ui(new Ui::frmPersonsView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    loadPersons();
    Direction::openWideEnoughFor(this, ui->tblPersons);
}

frmPersonsView::~frmPersonsView()
{
    delete ui;
}

void frmPersonsView::loadPersons()
{
    QSqlQueryModel *persons = ListDialog::replaceModel(
        ui->tblPersons, model,
        QStringLiteral("Select PersonId, PersonName, Street1, Street2, City, Province, PostalCode, Country, "
                       "Phone1, Phone2, Fax, EMail, Website from persons"));
    const QStringList headers{tr("Person ID"), tr("Person name"), tr("Street 1"), tr("Street 2"), tr("City"),
                              tr("Province"),  tr("Postal code"), tr("Country"),  tr("Phone 1"),  tr("Phone 2"),
                              tr("Fax 1"),     tr("EMail"),       tr("Website")};
    for (int column = 0; column < headers.size(); ++column)
        persons->setHeaderData(column, Qt::Horizontal, headers.at(column));
    ui->tblPersons->hideColumn(colPersonId);
    ListDialog::fitColumnsToContents(ui->tblPersons);
}

void frmPersonsView::on_btnNew_clicked()
{
    frmPersons editor(nullptr, 0);
    ScreenFit::exec(editor);
    loadPersons();
}

void frmPersonsView::on_btnEdit_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblPersons, colPersonId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmPersons editor(nullptr, id.toInt());
    ScreenFit::exec(editor);
    loadPersons();
}

void frmPersonsView::on_btnDelete_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblPersons, colPersonId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    if (ListDialog::confirmAndDelete(this, ListDialog::deleteQuestion(), QStringLiteral("DELETE FROM `persons` WHERE PersonId = :id;"),
                                     id.toInt()))
        loadPersons();
}
