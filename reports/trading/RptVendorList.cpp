#include "reports/trading/RptVendorList.h"

#include "reports/framework/cReport.h"

void RptVendorList::showReport()
{
    // A missing address part reads as empty text so the rest still shows; CONCAT_WS skips
    // a missing phone, where CONCAT would blank the other one too.
    cReport::showFlat(QStringLiteral("VendorList.Rep"),
                      QStringLiteral("SELECT vendors.VendorName, persons.PersonName, "
                                     "CONCAT(IFNULL(persons.Street1, ''), '\\n', IFNULL(persons.Street2, ''), '\\n', "
                                     "IFNULL(persons.City, ''), ', ', IFNULL(persons.Country, '')) AS Address, "
                                     "CONCAT_WS(' - ', persons.Phone1, persons.Phone2) AS Phones, persons.Fax, persons.EMail "
                                     "FROM vendors INNER JOIN persons ON vendors.ContactPersonId = persons.PersonId"),
                      QStringLiteral("<td colspan=\"6\">$DETAILS</td>"));
}
