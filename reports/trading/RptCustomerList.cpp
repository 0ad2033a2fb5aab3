#include "reports/trading/RptCustomerList.h"

#include "reports/framework/cReport.h"

void RptCustomerList::showReport(const QString &condition)
{
    // A missing address part reads as empty text so the rest still shows; CONCAT_WS skips
    // a missing phone, where CONCAT would blank the other one too.
    cReport::showFlat(QStringLiteral("CustomerList.Rep"),
                      QStringLiteral("SELECT customers.CustomerName, persons.PersonName, "
                                     "CONCAT(IFNULL(persons.Street1, ''), '\\n', IFNULL(persons.Street2, ''), '\\n', "
                                     "IFNULL(persons.City, ''), ', ', IFNULL(persons.Province, ''), '. ', "
                                     "IFNULL(persons.Country, '')) AS Address, "
                                     "CONCAT_WS(' - ', persons.Phone1, persons.Phone2) AS Phones, persons.Fax, persons.EMail "
                                     "FROM customers INNER JOIN persons ON customers.CustomerPersonId = persons.PersonId ")
                          + condition,
                      QStringLiteral("<td colspan=\"6\">$DETAILS</td>"));
}
