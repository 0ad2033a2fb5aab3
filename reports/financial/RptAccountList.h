#ifndef RPTACCOUNTLIST_H
#define RPTACCOUNTLIST_H

// Every leaf account of the chart with its debit, its credit and its balance.
class RptAccountList
{
public:
    static void showReport();
};

#endif // RPTACCOUNTLIST_H
