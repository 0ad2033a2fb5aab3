#include "tests/support/documentfixtures.h"

#include "core/system/cXml.h"
#include "core/system/globals.h"
#include "trading/paymentgrid.h"
#include "tests/support/widgetdrivers.h"

#include <QDate>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QStringList>
#include <QTableView>
#include <QTableWidget>

void freshCompanyWith(const char *const *statements, std::size_t count)
{
    TestSupport::freshCompany();
    TestSupport::MessageRecorder::clear();
    for (std::size_t statement = 0; statement < count; ++statement)
        EXEC_SQL(statements[statement]);
}

void freshDocumentCompany(const char *const *statements, std::size_t count)
{
    freshCompanyWith(statements, count);
    QFile::remove(TestSupport::settingsPath());
    currentEmployeeId = 1;
}

void formColumns()
{
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
}

QString checkFormRow(QWidget *window)
{
    QFETCH(QString, object);
    QFETCH(QString, kind);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    return TestSupport::checkForm(window, object, kind, property, value);
}

bool formRowIsArabic()
{
    QFETCH(QString, property);
    return property == "layoutDirection";
}

QAbstractItemModel *lines(QWidget *window)
{
    return window->findChild<QTableView *>("tblItems")->model();
}

void writeCell(QWidget *window, int row, int column, const QVariant &value)
{
    lines(window)->setData(lines(window)->index(row, column), value, Qt::EditRole);
}

QString lineTexts(QWidget *window, const QList<int> &columns, bool everyRow)
{
    const int rowCount = lines(window)->rowCount() - (everyRow ? 0 : 1);
    QStringList rows;
    for (int row = 0; row < rowCount; ++row) {
        QStringList cells;
        for (int column : columns) {
            const QVariant value = lines(window)->index(row, column).data(Qt::EditRole);
            cells << (value.toString().isEmpty()           ? QStringLiteral("_")
                      : value.type() == QVariant::Double ? QString::number(value.toDouble(), 'f', 2)
                      : value.type() == QVariant::Date   ? value.toDate().toString(Qt::ISODate)
                                                         : value.toString());
        }
        rows << cells.join(' ');
    }
    return rows.join(" / ");
}

QDoubleSpinBox *amountBox(QWidget *window, const char *name)
{
    return window->findChild<QDoubleSpinBox *>(name);
}

QTableWidget *invoices(QWidget *window)
{
    return window->findChild<QTableWidget *>("tblInvoices");
}

QStringList shownInvoices(QWidget *window)
{
    QStringList rows;
    for (QString row : shownRows(invoices(window))) {
        const int last = row.lastIndexOf('|');
        if (!(invoices(window)->item(rows.size(), PaymentColumn::Payment)->flags() & Qt::ItemIsEditable))
            row = row.left(last + 1) + '-';
        rows << row;
    }
    return rows;
}

QString state(QWidget *window)
{
    return window->findChild<QWidget *>("lblStateAdd")->isHidden() ? "edit" : "add";
}

void openStored(QWidget *window, const QString &shown)
{
    TestSupport::whenModal([&](QWidget *list) {
        chooseRow(list, shown);
        click(list, "btnEdit");
    });
    click(window, "btnSearch");
}

void scan(QWidget *window, const QString &code)
{
    QLineEdit *barcode = edit(window, "txtBarcode");
    barcode->setText(code);
    emit barcode->returnPressed();
}

void searchByNumber(QWidget *window, const char *field, const QString &number, const char *button)
{
    edit(window, field)->clear();
    type(window, field, number);
    click(window, button);
}

void addItem(QWidget *window, int itemId)
{
    TestSupport::whenModal([itemId](QWidget *picker) {
        pickedItemId = itemId;
        static_cast<QDialog *>(picker)->accept();
    });
    click(window, "btnAddItem");
}

void rememberDefaults(const QString &warehouseElement, const QString &warehouse, const QString &partnerElement,
                      const QString &partner)
{
    cXml settings(cXml::programSettingsPath());
    settings.load();
    settings.setAttributes(warehouseElement, {"Id"}, {warehouse});
    settings.setAttributes(partnerElement, {"Id"}, {partner});
}
