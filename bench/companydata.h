#ifndef COMPANYDATA_H
#define COMPANYDATA_H

#include "bench/benchsizes.h"
#include "bench/insertbatch.h"

#include <QDate>

#include <map>
#include <memory>
#include <string>
#include <vector>

// What a fresh company already holds that the generated rows refer to.
struct CompanyReference
{
    std::map<std::string, int> accountByNumber;
    std::vector<int> leafAccounts; // accounts that are no other account's parent
    int salesAccount = 0;
    int salesRefundAccount = 0;
    int purchaseAccount = 0;
    int purchaseRefundAccount = 0;
};

// The rows of a generated company, table by table. They depend on nothing but the
// sizes, the seed, the day taken as today and the fresh company's accounts: customers,
// vendors, staff, items in two or three units with their prices, quotes, orders,
// invoices that sell only goods bought before, refunds, payments and journal entries,
// spread over the three years up to today.
class CompanyData
{
public:
    CompanyData(const BenchSizes &sizes, quint32 seed, const QDate &today, const CompanyReference &reference);
    ~CompanyData();

    // Parents before children: a batch comes after every batch its rows refer to.
    std::vector<const InsertBatch *> batches() const;
    long long rowCount() const;

private:
    class Builder;
    std::unique_ptr<Builder> builder;
};

#endif // COMPANYDATA_H
