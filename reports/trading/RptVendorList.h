#ifndef RPTVENDORLIST_H
#define RPTVENDORLIST_H

// Every vendor that has a contact person, with the person's address, phones, fax and
// e-mail.
class RptVendorList
{
public:
    static void showReport();
};

#endif // RPTVENDORLIST_H
