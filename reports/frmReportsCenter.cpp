#include "reports/frmReportsCenter.h"
#include "ui_frmReportsCenter.h"

#include "core/system/globals.h"
#include "reports/financial/RptAccountList.h"
#include "reports/financial/RptBalanceSheet.h"
#include "reports/financial/RptIncomeStatement.h"
#include "reports/trading/RptPendingPurchaseOrders.h"
#include "reports/trading/RptPendingSalesOrders.h"
#include "reports/trading/RptVendorList.h"
#include "reports/trading/RptVendorPurchaseDetailed.h"
#include "reports/financial/RptGeneralJournalList.h"
#include "reports/financial/RptItemsActions.h"
#include "reports/financial/wWarehouseInventory.h"
#include "reports/framework/cFilterWidget.h"
#include "reports/trading/wCustomerListFilter.h"
#include "reports/trading/wCustomerSalesDetailedFilter.h"
#include "reports/trading/wCustomerStatementOfAccountFilter.h"

#include <QStyledItemDelegate>

namespace {
// What each code runs. A code with a filter panel runs the panel's runReport; a code with
// a generator alone runs it at once. Codes of the catalogue that are not here (the
// entries listed without a report, categories) show no panel and run nothing.
struct CatalogueReport
{
    const char *code;
    cFilterWidget *(*createPanel)(QWidget *filterArea);
    void (*showReport)();
};
const CatalogueReport catalogueReports[] = {
    {"GJLST", nullptr, &RptGeneralJournalList::showReport},
    {"INVQTY", [](QWidget *area) -> cFilterWidget * { return new wWarehouseInventory(area); }, nullptr},
    {"INVACT", nullptr, &RptItemsActions::showReport},
    {"VENLST", nullptr, &RptVendorList::showReport},
    {"PNDSO", nullptr, &RptPendingSalesOrders::showReport},
    {"PNDPO", nullptr, &RptPendingPurchaseOrders::showReport},
    {"VENPD", nullptr, &RptVendorPurchaseDetailed::showReport},
    {"ACCLST", nullptr, &RptAccountList::showReport},
    {"BSH", nullptr, &RptBalanceSheet::showReport},
    {"INCST", nullptr, &RptIncomeStatement::showReport},
    {"CUSTLST", [](QWidget *area) -> cFilterWidget * { return new wCustomerListFilter(area); }, nullptr},
    {"CUSTSLS", [](QWidget *area) -> cFilterWidget * { return new wCustomerSalesDetailedFilter(area); }, nullptr},
    {"CSTSTTMNT", [](QWidget *area) -> cFilterWidget * { return new wCustomerStatementOfAccountFilter(area); }, nullptr},
};

// A tree measures an entry's height with no width to wrap its name in: this delegate gives
// it the width of the name's column, so that a long name takes two lines instead of being cut.
class WrappingDelegate : public QStyledItemDelegate
{
public:
    explicit WrappingDelegate(QTreeView *tree) : QStyledItemDelegate(tree), tree(tree) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem wrapped = option;
        wrapped.rect = QRect(0, 0, tree->columnWidth(index.column()), option.fontMetrics.height());
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }

private:
    QTreeView *tree;
};

const CatalogueReport *reportOf(const QString &code)
{
    for (const CatalogueReport &report : catalogueReports)
        if (code == QLatin1String(report.code))
            return &report;
    return nullptr;
}
}

frmReportsCenter::frmReportsCenter(QWidget *parent) : QDialog(parent), ui(new Ui::frmReportsCenter)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->treeWidget->hideColumn(0);
    ui->treeWidget->expandAll();
    ui->treeWidget->setItemDelegate(new WrappingDelegate(ui->treeWidget));
}

frmReportsCenter::~frmReportsCenter()
{
    delete ui;
}

QString frmReportsCenter::currentCode() const
{
    const QTreeWidgetItem *item = ui->treeWidget->currentItem();
    return item ? item->text(0) : QString();
}

void frmReportsCenter::on_treeWidget_itemSelectionChanged()
{
    if (filterPanel)
        filterPanel->close();
    const CatalogueReport *report = reportOf(currentCode());
    if (!report || !report->createPanel)
        return;
    // A fresh panel each time: a report chosen again starts from the panel's defaults.
    filterPanel = report->createPanel(ui->widget);
    filterPanel->show();
}

void frmReportsCenter::on_btnShow_clicked()
{
    const CatalogueReport *report = reportOf(currentCode());
    if (!report)
        return;
    if (report->createPanel) {
        if (filterPanel)
            filterPanel->runReport();
    } else {
        report->showReport();
    }
}

void frmReportsCenter::on_treeWidget_doubleClicked(const QModelIndex &)
{
    on_btnShow_clicked();
}
