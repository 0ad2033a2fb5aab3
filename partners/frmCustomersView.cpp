#include "partners/frmCustomersView.h"
#include "ui_frmCustomersView.h"

#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "core/widgets/listfilter.h"
#include "core/widgets/screenfit.h"
#include "partners/frmCustomers.h"

#include <QSqlQueryModel>

namespace {
const int colCustomerId = 0;
}

frmCustomersView::frmCustomersView(QWidget *parent) : QDialog(parent), ui(new Ui::frmCustomersView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    loadCustomers(ui->chkShowInactive->isChecked(), QString(), QString());
    Direction::openWideEnoughFor(this, ui->tblCustomers);
}

frmCustomersView::~frmCustomersView()
{
    delete ui;
}

// The column of `cmbFilterBy`'s entry, in the order of its entries.
QString frmCustomersView::filterColumn() const
{
    static const QStringList columns{QStringLiteral("customers.CustomerName"), QStringLiteral("persons.City"),
                                     QStringLiteral("persons.Province"), QStringLiteral("persons.Country")};
    return columns.value(ui->cmbFilterBy->currentIndex(), columns.first());
}

// An empty column or text filters nothing: a cleared filter lists every customer, also
// those whose contact person has no city, province or country.
void frmCustomersView::loadCustomers(bool showInactive, const QString &column, const QString &text)
{
    QStringList conditions;
    QVariantMap values;
    if (!showInactive)
        conditions << QStringLiteral("customers.IsActive = 1");
    if (!column.isEmpty() && !text.isEmpty()) {
        conditions << ListFilter::like(column, QStringLiteral(":pattern"));
        values.insert(QStringLiteral(":pattern"), ListFilter::containing(text));
    }
    // The inner join leaves out customers without a contact person.
    QString sql = QStringLiteral("SELECT CustomerId, CustomerName, City, Province, Country, customers.Notes "
                                 "FROM customers INNER JOIN persons ON customers.CustomerPersonId = persons.PersonId ");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" Where ") + conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY customers.CustomerName ");
    QSqlQueryModel *customers = ListDialog::replaceModel(ui->tblCustomers, model, sql, values);
    const QStringList headers{tr("Customer Name"), tr("City"), tr("Province"), tr("Country"), tr("Notes")};
    for (int i = 0; i < headers.size(); ++i)
        customers->setHeaderData(colCustomerId + 1 + i, Qt::Horizontal, headers.at(i));
    ui->tblCustomers->hideColumn(colCustomerId);
    ListDialog::fitColumnsToContents(ui->tblCustomers);
}

// Reloads with the filter that the window shows, so the list never disagrees with it.
void frmCustomersView::reload()
{
    loadCustomers(ui->chkShowInactive->isChecked(), filterColumn(), ui->txtFilter->text());
}

void frmCustomersView::on_txtFilter_textChanged(const QString & /*text*/)
{
    reload();
    if (model->rowCount() > 0)
        ui->tblCustomers->setCurrentIndex(model->index(0, 0));
}

void frmCustomersView::on_chkShowInactive_stateChanged(int /*state*/)
{
    reload();
}

void frmCustomersView::on_btnEdit_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblCustomers, colCustomerId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmCustomers editor(nullptr, id.toInt());
    ScreenFit::exec(editor);
    reload();
}

void frmCustomersView::on_btnNew_clicked()
{
    frmCustomers editor(nullptr, 0);
    ScreenFit::exec(editor);
    reload();
}

void frmCustomersView::on_btnDelete_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblCustomers, colCustomerId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    if (ListDialog::confirmAndDelete(this, ListDialog::deleteQuestion(), QStringLiteral("delete from customers where customerId = :id"),
                                     id))
        reload();
}
