#include "partners/frmEmployeesView.h"
#include "ui_frmEmployeesView.h"

#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "core/widgets/screenfit.h"
#include "partners/frmEmployees.h"

#include <QSqlQueryModel>

namespace {
const int colEmployeeId = 0;
const int colAnnualSalary = 10;
}

frmEmployeesView::frmEmployeesView(QWidget *parent) : QDialog(parent), ui(new Ui::frmEmployeesView)
{
    ui->setupUi(this);
    ListDialog::showDatesInDateFormat(ui->tblEmployees);
    loadEmployees(ui->chkShowInactive->isChecked());
    Direction::openWideEnoughFor(this, ui->tblEmployees);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
}

frmEmployeesView::~frmEmployeesView()
{
    delete ui;
}

void frmEmployeesView::loadEmployees(bool showInactive)
{
    // Inner join on the person: an employee without a person has no name to list.
    QString sql = QStringLiteral(
        "select `employees`.EmployeeId, persons.PersonName as 'Name', `employees`.JobTitle as 'Job Title', "
        "managerPersons.PersonName as 'Manager Name', departments.Department, `employees`.SIN, "
        "`employees`.BirthDate as 'Birth Date', `employees`.HireDate as 'Hire Date', "
        "`employees`.TerminationDate as 'Termination Date', "
        "`employees`.PayPeriodsByYear as `Pay Periods By Year`, `employees`.AnnualSalary as 'Annual Salary', "
        "`employees`.BankAccountNo as 'Bank Account No.', "
        "cast(case when `employees`.IsActive = 1 then :true when `employees`.IsActive = 0 then :false end as char(45)) "
        "as 'Active', "
        "`employees`.Notes "
        "from `employees` inner join persons on persons.PersonId = `employees`.EmployeePersonId "
        "left join Employees managers on managers.EmployeeId = `employees`.ManagerId "
        "left join persons managerPersons on managerPersons.PersonId = managers.EmployeePersonId "
        "left join departments on departments.DepartmentId = `employees`.DepartmentId");
    if (!showInactive)
        sql += QStringLiteral(" where `employees`.IsActive = 1");
    // DECIMAL salaries as the server's exact text, with their two decimals.
    QSqlQueryModel *employees =
        ListDialog::replaceModel(ui->tblEmployees, model, sql, ListDialog::flagWords(), QSql::HighPrecision);
    const QStringList headers{tr("Name"),         tr("Job Title"),          tr("Manager Name"),
                              tr("Department"),   tr("SIN"),                tr("Birth Date"),
                              tr("Hire Date"),    tr("Termination Date"),   tr("Pay Periods By Year"),
                              tr("Annual Salary"), tr("Bank Account No."), tr("Active"),
                              tr("Notes")};
    for (int i = 0; i < headers.size(); ++i)
        employees->setHeaderData(colEmployeeId + 1 + i, Qt::Horizontal, headers.at(i));
    ui->tblEmployees->hideColumn(colEmployeeId);
    ListDialog::fitColumnsToContents(ui->tblEmployees);
    Direction::showAmountColumns(ui->tblEmployees, {colAnnualSalary}, {});
}

void frmEmployeesView::on_chkShowInactive_stateChanged(int /*state*/)
{
    loadEmployees(ui->chkShowInactive->isChecked());
}

void frmEmployeesView::on_btnDelete_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblEmployees, colEmployeeId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    // The employee's characteristics go with it: their foreign key cascades.
    if (ListDialog::confirmAndDelete(this, ListDialog::deleteQuestion(), QStringLiteral("DELETE FROM employees WHERE employeeId = :id"),
                                     id.toInt()))
        loadEmployees(ui->chkShowInactive->isChecked());
}

void frmEmployeesView::on_btnEdit_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblEmployees, colEmployeeId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmEmployees editor(nullptr, id.toInt());
    ScreenFit::exec(editor);
    loadEmployees(ui->chkShowInactive->isChecked());
}

void frmEmployeesView::on_btnNew_clicked()
{
    frmEmployees editor(nullptr, 0);
    ScreenFit::exec(editor);
    loadEmployees(ui->chkShowInactive->isChecked());
}
