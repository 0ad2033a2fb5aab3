#include "core/system/globals.h"
#include "reports/framework/cFilterWidget.h"
#include "reports/frmReportsCenter.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QStyle>
#include <QTranslator>
#include <QTreeWidgetItemIterator>
#include <QTreeWidget>

class tst_reportscenter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensWithTheCatalogueExpandedAndNoPanel_data();
    void opensWithTheCatalogueExpandedAndNoPanel();
    void eachCodeShowsItsPanelAndRunsItsReport_data();
    void eachCodeShowsItsPanelAndRunsItsReport();
    void nothingCurrentRunsNothing();
    void doubleClickOnACategoryRunsNothing();
    void reportChosenAgainStartsFromAFreshPanel();
    void longNamesWrapWhole_data();
    void longNamesWrapWhole();
};

namespace {
QTreeWidgetItem *entry(QTreeWidget *tree, const QString &code)
{
    const QList<QTreeWidgetItem *> found = tree->findItems(code, Qt::MatchExactly | Qt::MatchRecursive, 0);
    return found.isEmpty() ? nullptr : found.first();
}

QStringList shownPanels(QWidget *filterArea)
{
    QStringList panels;
    for (cFilterWidget *panel : filterArea->findChildren<cFilterWidget *>())
        if (panel->isVisible())
            panels << panel->metaObject()->className();
    return panels;
}
}

void tst_reportscenter::initTestCase()
{
    TestSupport::freshCompany();
    ReportSupport::copyReportTemplates();
}

void tst_reportscenter::init()
{
    languageCode = QStringLiteral("en");
    rightToLeft = false;
    TestSupport::MessageRecorder::clear();
}

void tst_reportscenter::cleanup()
{
    ReportSupport::closeViewers();
}

void tst_reportscenter::opensWithTheCatalogueExpandedAndNoPanel_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English") << false;
    QTest::newRow("Arabic: right to left, the codes the same") << true;
}

void tst_reportscenter::opensWithTheCatalogueExpandedAndNoPanel()
{
    QFETCH(bool, arabic);
    rightToLeft = arabic;
    frmReportsCenter center;
    center.show();
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");

    QCOMPARE(center.windowTitle(), QStringLiteral("Reports Center"));
    QCOMPARE(center.layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(center.windowFlags() & (Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMaximizeButtonHint),
             Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(tree->isColumnHidden(0));
    QVERIFY(!tree->isColumnHidden(1));
    QStringList categories;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *category = tree->topLevelItem(i);
        QVERIFY(category->isExpanded());
        QVERIFY(category->font(1).bold());
        QCOMPARE(category->text(0), QString());
        categories << QStringLiteral("%1 (%2)").arg(category->text(1)).arg(category->childCount());
    }
    QCOMPARE(categories, (QStringList{"Customers & Sales (4)", "Vendors & Purchase (3)", "Accounting (4)",
                                      "Inventory & Services (5)", "HR (1)"}));
    QCOMPARE(tree->currentItem(), nullptr);
    QCOMPARE(shownPanels(center.findChild<QWidget *>("widget")), QStringList());
    QCOMPARE(center.findChild<QWidget *>("widget")->width(), 450);
}

// A row per catalogue entry, in tree order: its category, name, the panel that choosing
// it shows and whether Show Report opens a preview. The entries listed without a report
// show nothing and run nothing.
void tst_reportscenter::eachCodeShowsItsPanelAndRunsItsReport_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("previews");
    QTest::newRow("CUSTLST") << "CUSTLST" << "Customer List" << "wCustomerListFilter" << 1;
    QTest::newRow("CUSTSLS") << "CUSTSLS" << "Customer Sales Detailed" << "wCustomerSalesDetailedFilter" << 1;
    QTest::newRow("PNDSO") << "PNDSO" << "Pending Sales Orders" << "" << 1;
    QTest::newRow("CSTSTTMNT") << "CSTSTTMNT" << "Customer Statement of Account" << "wCustomerStatementOfAccountFilter" << 1;
    QTest::newRow("PNDPO") << "PNDPO" << "Pending Purchase Orders" << "" << 1;
    QTest::newRow("VENLST") << "VENLST" << "Vendor List" << "" << 1;
    QTest::newRow("VENPD") << "VENPD" << "Vendor Purchases Detailed" << "" << 1;
    QTest::newRow("ACCLST") << "ACCLST" << "Account List" << "" << 1;
    QTest::newRow("GJLST") << "GJLST" << "General Journal List" << "" << 1;
    QTest::newRow("BSH") << "BSH" << "Balance Sheet" << "" << 1;
    QTest::newRow("INCST") << "INCST" << "Income Statement" << "" << 1;
    QTest::newRow("INVQTY") << "INVQTY" << "Warehouse Inventory" << "wWarehouseInventory" << 1;
    QTest::newRow("INVSLST") << "INVSLST" << "Inventory & Service List" << "" << 0;
    QTest::newRow("PLST") << "PLST" << "Price List" << "" << 0;
    QTest::newRow("INVEXP") << "INVEXP" << "Inventory Expire Dates" << "" << 0;
    QTest::newRow("INVACT") << "INVACT" << "Inventory Actions" << "" << 1;
    QTest::newRow("EMPLST") << "EMPLST" << "Employees List" << "" << 0;
}

void tst_reportscenter::eachCodeShowsItsPanelAndRunsItsReport()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, panel);
    QFETCH(int, previews);
    frmReportsCenter center;
    center.show();
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");
    QTreeWidgetItem *item = entry(tree, code);
    QVERIFY(item);
    QCOMPARE(item->text(1), name);

    tree->setCurrentItem(item);
    QCOMPARE(shownPanels(center.findChild<QWidget *>("widget")).join(','), panel);
    click(&center, "btnShow");
    QCOMPARE(ReportSupport::openViewers().size(), previews);
    // A double-click runs it once more, into a preview of its own.
    emit tree->doubleClicked(tree->currentIndex());
    QCOMPARE(ReportSupport::openViewers().size(), 2 * previews);
    QVERIFY(center.isVisible());
    QCOMPARE(TestSupport::messageLog(), QString());
}

void tst_reportscenter::nothingCurrentRunsNothing()
{
    frmReportsCenter center;
    center.show();
    click(&center, "btnShow");
    QCOMPARE(ReportSupport::openViewers().size(), 0);
    QCOMPARE(TestSupport::messageLog(), QString());
}

void tst_reportscenter::doubleClickOnACategoryRunsNothing()
{
    frmReportsCenter center;
    center.show();
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");
    tree->setCurrentItem(entry(tree, "VENLST"));
    tree->setCurrentItem(tree->topLevelItem(1));
    emit tree->doubleClicked(tree->currentIndex());
    QCOMPARE(ReportSupport::openViewers().size(), 0);
}

void tst_reportscenter::reportChosenAgainStartsFromAFreshPanel()
{
    frmReportsCenter center;
    center.show();
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");
    QWidget *filterArea = center.findChild<QWidget *>("widget");
    tree->setCurrentItem(entry(tree, "CUSTLST"));
    cFilterWidget *first = filterArea->findChild<cFilterWidget *>();
    click(first, "chkCustomerName");
    tree->setCurrentItem(entry(tree, "CSTSTTMNT"));
    QCOMPARE(shownPanels(filterArea), QStringList{"wCustomerStatementOfAccountFilter"});
    tree->setCurrentItem(entry(tree, "CUSTLST"));

    QCOMPARE(shownPanels(filterArea), QStringList{"wCustomerListFilter"});
    QList<cFilterWidget *> panels = filterArea->findChildren<cFilterWidget *>();
    QCOMPARE(panels.size(), 3);
    QVERIFY(!first->isVisible());
    QVERIFY(!panels.last()->findChild<QCheckBox *>("chkCustomerName")->isChecked());
}

void tst_reportscenter::longNamesWrapWhole_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English") << false;
    QTest::newRow("Arabic") << true;
}

// The tree is narrow: "Customer Statement of Account" takes two lines, and its entry must be
// as high as they are, or the name is cut ("Customer ...").
void tst_reportscenter::longNamesWrapWhole()
{
    QFETCH(bool, arabic);
    rightToLeft = arabic;
    QTranslator translator;
    if (arabic)
        QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/../../zarpo_ar.qm"));
    QCoreApplication::installTranslator(&translator);
    frmReportsCenter center;
    center.show();
    QVERIFY(QTest::qWaitForWindowExposed(&center));
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");
    // The margins the style leaves on either side of an entry's text.
    const int margins = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);

    int wrapped = 0;
    for (QTreeWidgetItemIterator entry(tree); *entry; ++entry) {
        const QString name = (*entry)->text(1);
        const QRect box = tree->visualItemRect(*entry);
        const QFontMetrics metrics((*entry)->font(1));
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width() - margins, 10000), Qt::TextWordWrap, name);
        QVERIFY2(needed.height() <= box.height() && needed.width() <= box.width() - margins,
                 qPrintable(QString("%1 needs %2 x %3, has %4 x %5").arg(name).arg(needed.width()).arg(needed.height())
                                .arg(box.width() - margins).arg(box.height())));
        QVERIFY2(box.left() >= 0 && box.right() <= tree->viewport()->width(), qPrintable(name));
        if (needed.height() > metrics.height())
            ++wrapped;
    }
    // The case that matters is there: some names do not fit on one line.
    QVERIFY(wrapped > 0);
    QCoreApplication::removeTranslator(&translator);
}

ZARPO_TEST_MAIN(tst_reportscenter)
#include "tst_reportscenter.moc"
