#ifndef REFUNDWINDOW_H
#define REFUNDWINDOW_H

#include "core/db/storedrecord.h"
#include "trading/refundstorage.h"

#include <QDialog>

class cRefundGrid;
class RefundsDelegate;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QModelIndex;
class QPlainTextEdit;
class QStandardItem;
class QShowEvent;
class QStandardItemModel;
class QTableView;

// What the sales and the purchase refund windows share: the partner (customer or vendor)
// and one of its invoices, the invoice's lines with the units taken back now, the totals
// and the debt, New, Save and Search. Each window builds its own form, names its texts
// and its refunds list, and hands its widgets over with setUp().
class cRefundWindow : public QDialog
{
    Q_OBJECT

protected:
    struct Widgets
    {
        QComboBox *partners;
        QComboBox *invoices;
        QComboBox *paymentMethod;
        QDateEdit *date;
        QTableView *items;
        QPlainTextEdit *comment;
        const QLabel *commentLabel;
        QDoubleSpinBox *subTotal;
        QDoubleSpinBox *freight;
        QDoubleSpinBox *deposit;
        const QLabel *depositLabel;
        QDoubleSpinBox *total;
        QDoubleSpinBox *debt;
        QLabel *stateAdd;
        QLabel *stateEdit;
    };
    // The window's own texts, translated in its own context.
    struct Texts
    {
        QString selectPartner;
        QString selectInvoice;
        QString noQuantity;
        QString dateHeader;
        QString invoiceLineHeader;
    };

    cRefundWindow(QWidget *parent, const RefundStorage::Side &side);
    ~cRefundWindow() override;

    // Run once by the window's constructor after its form is built. `partnersSql` gives
    // every partner's id and name; `showDate` shows the invoice line's date column, and
    // `newKeepsDate` keeps the date of a new refund at New.
    void setUp(const Widgets &widgets, const Texts &texts, const QString &partnersSql, bool showDate,
               bool newKeepsDate);

    // Runs the window's refunds list as a picker: the refund chosen, or -1.
    virtual int pickRefund() = 0;

    // The partner chosen at `index`: its invoices, none chosen yet, and an empty grid, so
    // that no line of another partner's invoice can be saved under the new choice.
    void partnerChosen(int index);

    double recalcRow(const QModelIndex &index) const;

protected slots:
    void on_cmbInvoices_activated(int index);
    void on_tblItems_clicked(const QModelIndex &);
    void on_txtFreight_valueChanged(double);
    void on_txtDeposit_valueChanged(double);
    void on_btnNew_clicked();
    void on_btnSave_clicked();
    void on_btnSearch_clicked();
    void itemChanged(QStandardItem *item);

private:
    void setupItemsTable(bool showDate);
    void fillPartners(const QString &sql);
    void recalculate();
    bool isValid();
    bool paysBackWithinTotal();
    bool saveRefund();
    void loadRefund(int id);
    void enterState(bool adding);
    bool isAdding() const;

    const RefundStorage::Side &side;
    Widgets ui{};
    Texts texts;
    bool newKeepsDate = false;
    QStandardItemModel *itemsModel = nullptr;
    RefundsDelegate *itemsDelegate = nullptr;
    cRefundGrid *lines = nullptr;
    int linesInvoiceId = -1; // the invoice whose lines the grid shows
    int loadedId = -1;
    cStoredRecord stored; // the refund as Search loaded it, for the update to find it unchanged
    bool filling = false; // rows are being loaded
};

#endif // REFUNDWINDOW_H
