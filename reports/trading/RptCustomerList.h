#ifndef RPTCUSTOMERLIST_H
#define RPTCUSTOMERLIST_H

#include <QString>

// Every customer that has a contact person and meets `condition` (empty, or " WHERE ..."
// on the customer and person columns), with the person's address, phones, fax and e-mail.
class RptCustomerList
{
public:
    static void showReport(const QString &condition);
};

#endif // RPTCUSTOMERLIST_H
