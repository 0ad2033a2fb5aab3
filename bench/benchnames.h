#ifndef BENCHNAMES_H
#define BENCHNAMES_H

#include <vector>

// The words from which the benchmark generator builds its names, addresses and goods.
// The lists only ever grow at their ends: a change in the middle changes every
// generated company.
namespace BenchNames {

// An Arabic word with the Latin spelling that e-mail addresses and user names use.
struct ArabicName
{
    const char *arabic;
    const char *latin;
};

struct City
{
    const char *name;
    const char *province;
    const char *country;
    const char *phonePrefix;
};

// A kind of goods: its units (uom ids of the seed rows), how many of the smaller unit
// one larger unit holds, shelf life and warranty in days, and the span of the retail
// price of its smallest unit in cents.
struct Category
{
    const char *name;
    int smallUom;
    int bigUom;
    int biggerUom;          // 0 when the goods come in two units only
    int bigFactorMin;
    int bigFactorMax;
    int biggerFactor;
    int validityMin;        // 0: the goods do not expire
    int validityMax;
    int warrantyDays;
    int priceMinCents;
    int priceMaxCents;
    bool service;
};

struct Product
{
    int category;           // index into categories()
    const char *name;
    const char *arabic;     // nullptr when the product has no Arabic name
};

const std::vector<const char *> &englishFirstNames();
const std::vector<const char *> &englishLastNames();
const std::vector<ArabicName> &arabicFirstNames();
const std::vector<ArabicName> &arabicLastNames();
const std::vector<const char *> &englishCompanySuffixes();
const std::vector<const char *> &arabicCompanyPatterns(); // "%1" stands for the name
const std::vector<const char *> &streets();
const std::vector<const char *> &arabicStreets();
const std::vector<City> &cities();
const std::vector<const char *> &brands();
const std::vector<const char *> &arabicBrands();
const std::vector<Category> &categories();
const std::vector<Product> &products();
const std::vector<const char *> &departments();
const std::vector<const char *> &jobTitles(); // one per entry of departments()
const std::vector<const char *> &documentComments();
const std::vector<const char *> &refundReasons();
const std::vector<const char *> &paymentComments();

// A journal entry's wording with the accounts (by their number) it usually moves.
struct JournalTemplate
{
    const char *description;
    const char *debitAccountNo;
    const char *creditAccountNo;
};
const std::vector<JournalTemplate> &journalTemplates();

} // namespace BenchNames

#endif // BENCHNAMES_H
