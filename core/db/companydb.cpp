#include "core/db/companydb.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

QStringList splitSqlScript(const QString &script)
{
    QStringList statements;
    QString current;
    const int n = script.size();
    int i = 0;
    auto endStatement = [&]() {
        const QString statement = current.trimmed();
        if (!statement.isEmpty())
            statements << statement;
        current.clear();
    };
    auto copyQuoted = [&](QChar quote) {
        current += script.at(i++);
        while (i < n) {
            const QChar c = script.at(i);
            current += c;
            ++i;
            if (c == QLatin1Char('\\') && quote != QLatin1Char('`') && i < n) {
                current += script.at(i++);
            } else if (c == quote) {
                if (i < n && script.at(i) == quote) // a doubled quote stays inside
                    current += script.at(i++);
                else
                    return;
            }
        }
    };
    auto atLineComment = [&]() {
        if (script.at(i) == QLatin1Char('#'))
            return true;
        return script.midRef(i, 2) == QLatin1String("--")
               && (i + 2 >= n || script.at(i + 2).isSpace());
    };
    while (i < n) {
        const QChar c = script.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            copyQuoted(c);
        } else if (atLineComment()) {
            while (i < n && script.at(i) != QLatin1Char('\n'))
                ++i;
        } else if (script.midRef(i, 3) == QLatin1String("/*!")) {
            // A version comment is code: keep it whole, quotes inside included.
            while (i < n && script.midRef(i, 2) != QLatin1String("*/")) {
                const QChar q = script.at(i);
                if (q == QLatin1Char('\'') || q == QLatin1Char('"') || q == QLatin1Char('`'))
                    copyQuoted(q);
                else
                    current += script.at(i++);
            }
            current += script.midRef(i, 2);
            i += 2;
        } else if (script.midRef(i, 2) == QLatin1String("/*")) {
            const int end = script.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            current += QLatin1Char(' ');
        } else if (c == QLatin1Char(';')) {
            endStatement();
            ++i;
        } else {
            current += c;
            ++i;
        }
    }
    endStatement();
    return statements;
}

bool runSqlScript(QSqlDatabase db, const QStringList &statements, ScriptFailure *failure)
{
    QSqlQuery query(db);
    for (int i = 0; i < statements.size(); ++i) {
        if (!query.exec(statements.at(i))) {
            if (failure) {
                failure->statementNumber = i + 1;
                failure->statement = statements.at(i);
                failure->error = query.lastError().text();
            }
            return false;
        }
    }
    return true;
}

QString companySchemaScript()
{
    QFile file(QStringLiteral(":/db/dbscript/dbscript"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString databaseNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("CompanyDatabase", "The database name is empty.");
    if (name.front().isSpace() || name.back().isSpace())
        return QCoreApplication::translate("CompanyDatabase", "The database name may not begin or end with a blank.");
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QCoreApplication::translate(
                "CompanyDatabase", "The database name may not hold a line break, a tab or another control character.");
    if (name.toUcs4().size() > 64)
        return QCoreApplication::translate("CompanyDatabase", "The database name may be at most 64 characters long.");
    return QString();
}

QString quotedIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('`'), QLatin1String("``"));
    return QLatin1Char('`') + quoted + QLatin1Char('`');
}

bool createCompanyDatabase(QSqlDatabase db, const QString &name, ScriptFailure *failure, const QString &script)
{
    const QString identifier = quotedIdentifier(name);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("Create database ") + identifier)) {
        if (failure) {
            failure->statementNumber = 0;
            failure->error = query.lastError().text();
        }
        return false;
    }
    bool ok = query.exec(QStringLiteral("use ") + identifier);
    if (!ok && failure) {
        failure->statementNumber = 0;
        failure->error = query.lastError().text();
    }
    const QStringList statements = splitSqlScript(script);
    if (ok && statements.isEmpty()) {
        ok = false;
        if (failure)
            failure->error = QStringLiteral("The schema script is missing from the program.");
    }
    ok = ok && runSqlScript(db, statements, failure);
    if (!ok)
        query.exec(QStringLiteral("Drop database ") + identifier);
    // The script sets the session to utf8 while it runs; Arabic text needs utf8mb4 back.
    query.exec(QStringLiteral("SET NAMES utf8mb4"));
    return ok;
}
