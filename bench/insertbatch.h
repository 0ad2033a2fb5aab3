#ifndef INSERTBATCH_H
#define INSERTBATCH_H

#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

// The rows of one table as multi-row INSERT statements of up to rowsPerStatement rows.
// A batch knows the batches whose rows its own rows refer to, so that a writer can put
// those rows in first (`level` is one more than the highest level among them).
class InsertBatch
{
public:
    static constexpr int rowsPerStatement = 1000;

    InsertBatch(const char *table, const char *columns, std::initializer_list<const InsertBatch *> parents = {});

    // Starts the next row; the values follow in the order of the columns.
    InsertBatch &row();
    InsertBatch &num(long long value);
    InsertBatch &money(long long cents);
    InsertBatch &text(const std::string &value);
    InsertBatch &text(const char *value);
    InsertBatch &textOrNull(const char *value);
    InsertBatch &date(long long julianDay);
    InsertBatch &flag(bool value);
    InsertBatch &null();
    // Ends the statement in progress; call once after the last row.
    void finish();

    QString table;
    std::vector<std::string> statements;
    long long rows = 0;
    int level = 0;
    // The rows refer to earlier rows of the same table, so they go in one at a time
    // in their order.
    bool inOrder = false;

private:
    void beginValue();

    std::string prefix;
    std::string current;
    int rowsInCurrent = 0;
    bool firstValue = true;
};

// 1234 cents as the SQL literal 12.34 (also for negative amounts).
std::string moneyLiteral(long long cents);

#endif // INSERTBATCH_H
