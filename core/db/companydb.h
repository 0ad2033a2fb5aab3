#ifndef COMPANYDB_H
#define COMPANYDB_H

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Splits a script in the dump tool's form into statements: a ';' outside quotes and
// comments ends one; comment lines and plain /* */ comments are dropped, while the
// version comments /*!NNNNN ... */ are kept, since the server runs them.
QStringList splitSqlScript(const QString &script);

struct ScriptFailure
{
    int statementNumber = 0; // 1-based; 0 when no statement of the script ran
    QString statement;
    QString error;           // the server's error text
};

// Runs the statements one by one on the connection and stops at the first that fails.
bool runSqlScript(QSqlDatabase db, const QStringList &statements, ScriptFailure *failure);

// The schema script compiled into the program.
QString companySchemaScript();

// Creates the database `name` on the connection and fills it from the script (the
// schema script unless a test gives another).
// On failure returns false with the server's error in `failure`; a database this call
// created is dropped again, so nothing half-made stays behind. The connection is left
// using the new database.
bool createCompanyDatabase(QSqlDatabase db, const QString &name, ScriptFailure *failure,
                           const QString &script = companySchemaScript());

// Why `name` cannot name a company database, in a sentence for the user; empty when it
// can. Refused are names the server or the backup tools would not keep as typed: empty,
// beginning or ending with a blank, holding a line break or other control character,
// or longer than the server's 64 characters.
QString databaseNameProblem(const QString &name);

// `name` quoted as a MySQL identifier.
QString quotedIdentifier(const QString &name);

#endif // COMPANYDB_H
