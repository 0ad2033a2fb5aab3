#include "core/system/globals.h"

int currentUserId = 0;
QString currentUserName = QStringLiteral("Anonymous");
int currentEmployeeId = 0;
QString currentPersonName = QStringLiteral("Anonymous");
QString companyName = QStringLiteral("My Company");
QString companyAddress = QStringLiteral("Egypt");
QString companyPhone;
QString defaultCurrency = QStringLiteral("US Dollar");
QString defaultCurrencySymbol = QStringLiteral("$");

const QString dbDriver = QStringLiteral("QMYSQL");
QString dbHost = QStringLiteral("localhost");
int dbPort = 3306;
QString dbUser = QStringLiteral("root");
QString dbPassword = QStringLiteral("123");
QString dbName = QStringLiteral("accounting");

const QString dateFormat = QStringLiteral("d/M/yyyy");
QString languageCode = QStringLiteral("en");
bool rightToLeft = false;

const QString msgCaption = QStringLiteral("Zarpo");
const QString msgDelete = QStringLiteral("Delete ");
const QString msgInsertFailed = QStringLiteral("Insert failed: ");
const QString msgSelectFailed = QStringLiteral("Select failed: ");
const QString msgDeleteFailed = QStringLiteral("Delete Failed: ");
const QString msgRecordReferenced = QStringLiteral("Other records refer to this record. Delete failed");
const QString msgSelectItemToEdit = QStringLiteral("Select item to edit");
const QString msgSelectItemToDelete = QStringLiteral("Select item to delete");

int pickedSalesQuoteId = -1;
int pickedSalesOrderId = -1;
int pickedSalesInvoiceId = -1;
int pickedSalesRefundId = -1;
int pickedPurchaseOrderId = -1;
int pickedPurchaseInvoiceId = -1;
int pickedPurchaseRefundId = -1;
int pickedJournalId = -1;
int pickedItemId = 0;
