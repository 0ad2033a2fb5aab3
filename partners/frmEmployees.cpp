#include "partners/frmEmployees.h"
#include "ui_frmEmployees.h"

#include "core/system/accessories.h"
#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/documents/linegrid.h"
#include "core/system/messages.h"
#include "core/widgets/numberfields.h"
#include "core/system/seams.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/screenfit.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "partners/frmDepartments.h"
#include "partners/frmPersons.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>

namespace {
enum CharColumn { colCharId, colCharName, colCharValue, colCharIsUpdated };

const QString defaultPicture = QStringLiteral(":/new/Pics/AccResources/contact-new.png");
const int payPeriodsTwelve = 4;

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *cell = table->item(row, column);
    return cell ? cell->text() : QString();
}

// Shows the combo entry that carries `id`, the combo's first entry for none; a person,
// manager or department the combo does not offer is shown as stored.
void selectById(QComboBox *combo, const QVariant &id)
{
    if (id.isNull())
        combo->setCurrentIndex(0);
    else
        selectStoredItem(combo, id);
}
}

frmEmployees::frmEmployees(QWidget *parent, int employeeId)
    : QDialog(parent), ui(new Ui::frmEmployees), employeeId(0),
      stored({{QStringLiteral("employees"), QStringLiteral("EmployeeId"), QStringLiteral("EmployeeId")},
              {QStringLiteral("characteristics"), QStringLiteral("EmployeeId"), QStringLiteral("CharacteristicId")}},
             tr("this employee"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    NumberFields::setupAmount(ui->txtAnnualSalary);
    ui->txtAnnualSalary->setMaximum(9900000);
    TextColumns::limit(QStringLiteral("employees"), {{ui->txtJobTitle, QStringLiteral("JobTitle"), ui->label_2},
                                                     {ui->txtSIN, QStringLiteral("SIN"), ui->label_5},
                                                     {ui->txtBankAccountNo, QStringLiteral("BankAccountNo"), ui->label_11},
                                                     {ui->txtNotes, QStringLiteral("Notes"), ui->label_13}});
    TextColumns::limit(QStringLiteral("characteristics"),
                       {{ui->cmbCharachteristic->lineEdit(), QStringLiteral("Characteristic"), ui->label_14},
                        {ui->txtCharValue, QStringLiteral("Value"), ui->label_15}});
    // A server that is gone fails every list and the employee alike: one box.
    const FailedReads::Action opening;
    fillManagers();
    fillDepartments();
    fillPersons();
    fillCharacteristics();
    ui->dateBirth->setDisplayFormat(dateFormat);
    ui->dateHire->setDisplayFormat(dateFormat);
    ui->dateTermination->setDisplayFormat(dateFormat);
    this->employeeId = employeeId;
    if (employeeId != 0)
        loadEmployee();
    Direction::applyTo(ui->tblCharacteristics);
    ui->tblCharacteristics->hideColumn(colCharId);
    // The form's "IsUpdated" column stays empty: a changed row is marked in its data.
    ui->tblCharacteristics->hideColumn(colCharIsUpdated);
    ui->tblCharacteristics->setColumnWidth(colCharValue, 300);
    ui->tabWidget->setCurrentIndex(0);
}

frmEmployees::~frmEmployees()
{
    delete ui;
}

void frmEmployees::fillManagers()
{
    // CONCAT_WS: a manager without a job title still shows the name.
    fillComboFromQuery(ui->cmbManager, {QString()},
                       QStringLiteral("select employeeId, CONCAT_WS(' - ', personName, jobTitle) as 'Manager' "
                                      "from employees inner join persons "
                                      "on employees.employeepersonId = persons.personId"));
}

void frmEmployees::fillDepartments()
{
    fillComboFromQuery(ui->cmbDepartments, {QString(), tr("<Add New>")},
                       QStringLiteral("select DepartmentId, Department from departments"));
}

void frmEmployees::fillPersons()
{
    fillComboFromQuery(ui->cmbPersons, {tr("<Add New>")}, QStringLiteral("select PersonId, personName from persons"));
}

void frmEmployees::fillCharacteristics()
{
    fillComboFromQuery(ui->cmbCharachteristic, {},
                       QStringLiteral("select Distinct Characteristic from characteristics"));
}

void frmEmployees::loadEmployee()
{
    stored.remember(employeeId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "SELECT `employees`.`EmployeePersonId`, `employees`.`JobTitle`, `employees`.`ManagerId`, "
        "`employees`.`DepartmentId`, `employees`.`SIN`, `employees`.`BirthDate`, `employees`.`HireDate`, "
        "`employees`.`TerminationDate`, `employees`.`PayPeriodsByYear`, `employees`.`AnnualSalary`, "
        "`employees`.`BankAccountNo`, `employees`.`Image`, `employees`.`IsActive`, `employees`.`Notes` "
        "FROM `employees` Where EmployeeId = :EmployeeId;"));
    query.bindValue(QStringLiteral(":EmployeeId"), employeeId);
    // An id without a row shows an employee of empty values rather than the form's defaults.
    const bool found = FailedReads::execNoted(this, query) && query.next();
    const auto value = [&](int column) { return found ? query.value(column) : QVariant(); };

    selectById(ui->cmbPersons, value(0));
    ui->txtJobTitle->setText(value(1).toString());
    selectById(ui->cmbManager, value(2));
    selectById(ui->cmbDepartments, value(3));
    ui->txtSIN->setText(value(4).toString());
    StoredFields::showDate(ui->dateBirth, value(5));
    StoredFields::showDate(ui->dateHire, value(6));
    StoredFields::showDate(ui->dateTermination, value(7));
    selectStoredText(ui->cmbPayPeriods, value(8).isNull() ? QString() : QString::number(value(8).toInt()));
    NumberFields::showStored(ui->txtAnnualSalary, value(9).toDouble(), ui->label_10);
    ui->txtBankAccountNo->setText(value(10).toString());
    StoredFields::showCheck(ui->chkActive, value(12));
    ui->txtNotes->setPlainText(value(13).toString());

    const QByteArray image = value(11).toByteArray();
    if (value(11).isNull()) {
        showDefaultPicture();
        ui->txtImageURL->setText(tr("No image available"));
    } else {
        QPixmap stored;
        stored.loadFromData(image);
        ui->lblImage->setPixmap(stored);
        ui->txtImageURL->setText(tr("Image available"));
    }
    loadCharacteristics();
}

void frmEmployees::loadCharacteristics()
{
    ui->tblCharacteristics->setRowCount(0);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from characteristics where EmployeeId = :EmployeeId"));
    query.bindValue(QStringLiteral(":EmployeeId"), employeeId);
    if (!FailedReads::execNoted(ui->tblCharacteristics, query))
        return;
    while (query.next())
        appendCharacteristic(query.value(0), query.value(2).toString(), query.value(3).toString());
}

void frmEmployees::bindEmployeeFields(QSqlQuery &query) const
{
    query.bindValue(QStringLiteral(":EmployeePersonId"), ui->cmbPersons->currentData().toInt());
    query.bindValue(QStringLiteral(":JobTitle"), textOrNull(ui->txtJobTitle->text()));
    query.bindValue(QStringLiteral(":ManagerId"), ui->cmbManager->currentIndex() > 0
                                                      ? ui->cmbManager->currentData()
                                                      : QVariant(QVariant::Int));
    const QVariant department = ui->cmbDepartments->currentData();
    query.bindValue(QStringLiteral(":DepartmentId"), department.isValid() ? department : QVariant(QVariant::Int));
    query.bindValue(QStringLiteral(":SIN"), textOrNull(ui->txtSIN->text()));
    query.bindValue(QStringLiteral(":BirthDate"), StoredFields::dateOrNull(ui->dateBirth));
    query.bindValue(QStringLiteral(":HireDate"), StoredFields::dateOrNull(ui->dateHire));
    query.bindValue(QStringLiteral(":TerminationDate"), StoredFields::dateOrNull(ui->dateTermination));
    // No number shows no entry, and stays no number rather than 0.
    query.bindValue(QStringLiteral(":PayPeriodsByYear"), ui->cmbPayPeriods->currentIndex() >= 0
                                                             ? QVariant(ui->cmbPayPeriods->currentText().toInt())
                                                             : QVariant(QVariant::Int));
    // The value, not the shown text, whose decimal and group marks follow the locale.
    query.bindValue(QStringLiteral(":AnnualSalary"), ui->txtAnnualSalary->value());
    query.bindValue(QStringLiteral(":BankAccountNo"), textOrNull(ui->txtBankAccountNo->text()));
    query.bindValue(QStringLiteral(":IsActive"), StoredFields::checkOrNull(ui->chkActive));
    query.bindValue(QStringLiteral(":Notes"), textOrNull(ui->txtNotes->toPlainText()));
}

// The bytes of a picture chosen in this window, or a null array when the image field
// only tells the stored photo's state or the file cannot be read any more.
QByteArray frmEmployees::chosenPhotoBytes() const
{
    const QString path = ui->txtImageURL->text().trimmed();
    if (path.isEmpty() || path == tr("No image available") || path == tr("Image available"))
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool frmEmployees::saveEmployee()
{
    if (!FailedReads::readWhole(this) || !TextColumns::storable(ui->tab) || !NumberFields::storable(ui->tab))
        return false;
    return employeeId != 0 ? updateEmployee() : insertEmployee();
}

bool frmEmployees::insertEmployee()
{
    cDbSave save;
    QSqlQuery employee = save.prepare(QStringLiteral(
        "INSERT INTO `employees` (`EmployeePersonId`, `JobTitle`, `ManagerId`, `DepartmentId`, `SIN`, "
        "`BirthDate`, `HireDate`, `TerminationDate`, `PayPeriodsByYear`, `AnnualSalary`, `BankAccountNo`, "
        "`Image`, `IsActive`, `Notes`) VALUES (:EmployeePersonId, :JobTitle, :ManagerId, :DepartmentId, :SIN, "
        ":BirthDate, :HireDate, :TerminationDate, :PayPeriodsByYear, :AnnualSalary, :BankAccountNo, :Image, "
        ":IsActive, :Notes);"));
    bindEmployeeFields(employee);
    const QByteArray image = chosenPhotoBytes();
    employee.bindValue(QStringLiteral(":Image"), image.isNull() ? QVariant(QVariant::ByteArray) : QVariant(image));
    save.exec(employee);
    writeCharacteristics(save, added.read(save, employeeId));
    if (!added.commit(save)) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

bool frmEmployees::updateEmployee()
{
    cDbSave save;
    stored.lockUnchanged(save, employeeId);
    QString sql = QStringLiteral(
        "UPDATE `employees` SET `EmployeePersonId` = :EmployeePersonId, `JobTitle` = :JobTitle, "
        "`ManagerId` = :ManagerId, `DepartmentId` = :DepartmentId, `SIN` = :SIN, `BirthDate` = :BirthDate, "
        "`HireDate` = :HireDate, `TerminationDate` = :TerminationDate, `PayPeriodsByYear` = :PayPeriodsByYear, "
        "`AnnualSalary` = :AnnualSalary, `BankAccountNo` = :BankAccountNo, `IsActive` = :IsActive, "
        "`Notes` = :Notes ");
    // Without a newly chosen, readable file the stored photo stays as it is.
    const QByteArray image = chosenPhotoBytes();
    if (!image.isNull())
        sql += QStringLiteral(", `Image` = :Image ");
    sql += QStringLiteral(" Where EmployeeId = :EmployeeId");
    QSqlQuery employee = save.prepare(sql);
    bindEmployeeFields(employee);
    employee.bindValue(QStringLiteral(":EmployeeId"), employeeId);
    if (!image.isNull())
        employee.bindValue(QStringLiteral(":Image"), image);
    const bool employeeSaved = save.execOnStored(employee);

    writeCharacteristics(save, employeeId);
    // The editor stays on the employee: what this save wrote is what it holds now.
    stored.rememberSaved(save, employeeId);
    if (!save.commit()) {
        Messages::critical(this, msgCaption,
                           employeeSaved ? save.failureText(msgInsertFailed) : save.errorText());
        return false;
    }
    // The grid now holds what is stored, with the new rows' ids, so the next Save
    // neither inserts them again nor deletes anything twice.
    deletedCharacteristicIds.clear();
    endCharacteristicEdit();
    loadCharacteristics();
    return true;
}

void frmEmployees::writeCharacteristics(cDbSave &save, int employeeId)
{
    LineStatements sql;
    sql.insert = QStringLiteral("Insert into characteristics (EmployeeId, Characteristic, Value) "
                                "Values (:employeeId, :char, :value)");
    sql.update = QStringLiteral("Update characteristics set Characteristic = :char, Value = :value "
                                "where CharacteristicId = :id");
    sql.remove = QStringLiteral("Delete from characteristics where CharacteristicId = :id");
    sql.parentPlaceholder = QStringLiteral(":employeeId");
    sql.parentId = employeeId;
    TableLines::write(save, ui->tblCharacteristics, colCharId, deletedCharacteristicIds, sql,
                      [this](LineValues &line, int row) {
                          line.bindValue(QStringLiteral(":char"), cellText(ui->tblCharacteristics, row, colCharName));
                          line.bindValue(QStringLiteral(":value"), cellText(ui->tblCharacteristics, row, colCharValue));
                      });
}

void frmEmployees::appendCharacteristic(const QVariant &id, const QString &name, const QString &value)
{
    QTableWidget *grid = ui->tblCharacteristics;
    const int row = grid->rowCount();
    grid->insertRow(row);
    TableLines::setStoredId(grid, row, colCharId, id);
    grid->setItem(row, colCharName, new QTableWidgetItem(name));
    grid->setItem(row, colCharValue, new QTableWidgetItem(value));
}

void frmEmployees::on_btnSave_clicked()
{
    saveEmployee();
}

void frmEmployees::on_btnSaveAndClose_clicked()
{
    if (saveEmployee())
        close();
}

void frmEmployees::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    ui->txtAnnualSalary->setValue(0);
    ui->txtBankAccountNo->clear();
    ui->txtImageURL->clear();
    ui->txtJobTitle->clear();
    ui->txtNotes->clear();
    ui->txtSIN->clear();
    StoredFields::showDefaultCheck(ui->chkActive, true);
    for (QComboBox *combo : {ui->cmbDepartments, ui->cmbManager, ui->cmbPersons, ui->cmbPayPeriods})
        removeEntriesNotOffered(combo);
    ui->cmbDepartments->setCurrentIndex(0);
    ui->cmbManager->setCurrentIndex(0);
    ui->cmbPersons->setCurrentIndex(0);
    ui->cmbPayPeriods->setCurrentIndex(payPeriodsTwelve);
    const QDate start(2000, 1, 1);
    for (QDateEdit *date : {ui->dateBirth, ui->dateHire, ui->dateTermination})
        StoredFields::showDefaultDate(date, start);
    showDefaultPicture();
    ui->tblCharacteristics->setRowCount(0);
    employeeId = 0;
    deletedCharacteristicIds.clear();
}

void frmEmployees::on_btnCalc_clicked()
{
    startCalculator();
}

void frmEmployees::showDefaultPicture()
{
    ui->lblImage->setPixmap(QPixmap(defaultPicture));
}

void frmEmployees::on_btnBrowseImage_clicked()
{
    const QString path = FileDialogs::getOpenFileName(this, msgCaption, QDir::homePath(),
                                                      QStringLiteral("Images (*.png *.bmp *.jpg *.jpeg)"));
    if (path.isEmpty()) {
        showDefaultPicture();
        ui->txtImageURL->clear();
        return;
    }
    photo.load(path);
    ui->lblImage->setPixmap(photo);
    ui->txtImageURL->setText(path);
}

void frmEmployees::on_cmbPersons_activated(int index)
{
    if (index != 0)
        return;
    addNewComboItem<frmPersons>(ui->cmbPersons, [this] { fillPersons(); });
}

void frmEmployees::on_cmbDepartments_activated(int index)
{
    if (index != 1)
        return;
    frmDepartments editor(nullptr, 0);
    ScreenFit::exec(editor);
    fillDepartments();
}

void frmEmployees::on_tblCharacteristics_cellDoubleClicked(int row, int /*column*/)
{
    ui->btnAddChar->setText(QStringLiteral("Update"));
    ui->cmbCharachteristic->setEditText(cellText(ui->tblCharacteristics, row, colCharName));
    ui->txtCharValue->setText(cellText(ui->tblCharacteristics, row, colCharValue));
    editedCharRow = row;
    isEditingChar = true;
}

void frmEmployees::on_btnAddChar_clicked()
{
    if (!TextColumns::storable(ui->tab_2))
        return;
    QTableWidget *grid = ui->tblCharacteristics;
    const QString name = ui->cmbCharachteristic->currentText();
    const QString value = ui->txtCharValue->text();
    if (isEditingChar) {
        if (editedCharRow >= 0 && editedCharRow < grid->rowCount()) {
            grid->setItem(editedCharRow, colCharName, new QTableWidgetItem(name));
            grid->setItem(editedCharRow, colCharValue, new QTableWidgetItem(value));
            TableLines::markChanged(grid, editedCharRow, colCharId);
        }
        endCharacteristicEdit();
    } else {
        appendCharacteristic(QVariant(), name, value);
    }
    ui->txtCharValue->clear();
    ui->cmbCharachteristic->setCurrentIndex(-1);
    ui->cmbCharachteristic->clearEditText();
}

void frmEmployees::on_btnRemoveChar_clicked()
{
    const int row = ui->tblCharacteristics->currentRow();
    if (row < 0)
        return;
    const QVariant id = TableLines::storedId(ui->tblCharacteristics, row, colCharId);
    if (id.isValid())
        deletedCharacteristicIds.append(id);
    ui->tblCharacteristics->removeRow(row);
    endCharacteristicEdit();
}

void frmEmployees::endCharacteristicEdit()
{
    isEditingChar = false;
    ui->btnAddChar->setText(QStringLiteral("Add"));
}
