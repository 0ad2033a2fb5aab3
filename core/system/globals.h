#ifndef GLOBALS_H
#define GLOBALS_H

#include <QString>

// Program-wide state that every window reads directly. The login fills the login
// state and the connection settings; start-up decides the interface settings once.

// Login state
extern int currentUserId;
extern QString currentUserName;
extern int currentEmployeeId;
extern QString currentPersonName;
extern QString companyName;
extern QString companyAddress;
extern QString companyPhone;
extern QString defaultCurrency;
extern QString defaultCurrencySymbol;

// Connection settings of the default database connection
extern const QString dbDriver;
extern QString dbHost;
extern int dbPort;
extern QString dbUser;
extern QString dbPassword;
extern QString dbName;

// Interface settings
extern const QString dateFormat;
extern QString languageCode;
extern bool rightToLeft;

// Message texts shared by every message box; shown as they stand, never translated.
extern const QString msgCaption;
extern const QString msgDelete;
extern const QString msgInsertFailed;
extern const QString msgSelectFailed;
extern const QString msgDeleteFailed;
extern const QString msgRecordReferenced;
extern const QString msgSelectItemToEdit;
extern const QString msgSelectItemToDelete;

// Picker hand-off: the id a document list hands to its editor, -1 when nothing was chosen.
extern int pickedSalesQuoteId;
extern int pickedSalesOrderId;
extern int pickedSalesInvoiceId;
extern int pickedSalesRefundId;
extern int pickedPurchaseOrderId;
extern int pickedPurchaseInvoiceId;
extern int pickedPurchaseRefundId;
extern int pickedJournalId;
// The item picker's hand-off: 0 until the first pick, and written only by a pick, so it
// means something only right after a run of the picker that was accepted.
extern int pickedItemId;

#endif // GLOBALS_H
