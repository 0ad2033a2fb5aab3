#include "core/db/companydb.h"
#include "tests/support/testsupport.h"

#include <QSqlQuery>

class tst_companydb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitSqlScript_data();
    void splitSqlScript();
    void failingStatementStopsTheScript();
    void existingDatabaseIsLeftUntouched();
    void nameIsQuoted();
};

void tst_companydb::initTestCase()
{
    TestSupport::connectToServer();
}

void tst_companydb::splitSqlScript_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("statements end at semicolons")
        << "CREATE TABLE a (x int);\nINSERT INTO a VALUES (1);\n"
        << QStringList{"CREATE TABLE a (x int)", "INSERT INTO a VALUES (1)"};
    QTest::newRow("dump comment lines are dropped")
        << "--\n-- Table structure for table `a`\n--\n\nDROP TABLE IF EXISTS `a`;\n"
        << QStringList{"DROP TABLE IF EXISTS `a`"};
    QTest::newRow("version comments are kept as code")
        << "/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE */;\n/*!40101 SET NAMES utf8 */;"
        << QStringList{"/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE */", "/*!40101 SET NAMES utf8 */"};
    QTest::newRow("semicolons inside quotes stay")
        << "INSERT INTO a VALUES ('x;y','it''s;',\"q;\",'back\\';slash');SELECT `odd;name` FROM a;"
        << QStringList{"INSERT INTO a VALUES ('x;y','it''s;',\"q;\",'back\\';slash')",
                       "SELECT `odd;name` FROM a"};
    QTest::newRow("a view in the dump's form is one statement")
        << "/*!50001 CREATE ALGORITHM=UNDEFINED */\n/*!50013 DEFINER=`root`@`localhost` SQL SECURITY DEFINER */\n"
           "/*!50001 VIEW `v` AS select ';' AS `s` from `a` */;\n"
        << QStringList{"/*!50001 CREATE ALGORITHM=UNDEFINED */\n/*!50013 DEFINER=`root`@`localhost` SQL SECURITY DEFINER */\n"
                       "/*!50001 VIEW `v` AS select ';' AS `s` from `a` */"};
    QTest::newRow("plain block comments and blank statements vanish")
        << "/* a note; with a semicolon */ ;\n;\nSELECT 1 -- trailing; note\n;"
        << QStringList{"SELECT 1"};
    QTest::newRow("Arabic text passes unchanged")
        << QString::fromUtf8("INSERT INTO accounts VALUES (1,'الأصول');")
        << QStringList{QString::fromUtf8("INSERT INTO accounts VALUES (1,'الأصول')")};
    QTest::newRow("a double dash without a blank is an operator")
        << "SELECT 5--2;" << QStringList{"SELECT 5--2"};
}

void tst_companydb::splitSqlScript()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QCOMPARE(::splitSqlScript(script), statements);
}

void tst_companydb::failingStatementStopsTheScript()
{
    const QString name = TestSupport::uniqueDatabaseName("ztfail");
    const QString script = "CREATE TABLE a (x int);\n"
                           "INSERT INTO a VALUES (1);\n"
                           "INSERT INTO no_such_table VALUES (2);\n"
                           "CREATE TABLE b (y int);\n";
    ScriptFailure failure;

    QVERIFY(!createCompanyDatabase(QSqlDatabase::database(), name, &failure, script));

    QCOMPARE(failure.statementNumber, 3);
    QCOMPARE(failure.statement, QString("INSERT INTO no_such_table VALUES (2)"));
    QVERIFY2(failure.error.contains("no_such_table"), qPrintable(failure.error));
    // Nothing half-made stays: the database this call created is gone again.
    QCOMPARE(TestSupport::queryValue(
                 QString("select count(*) from information_schema.schemata where schema_name = '%1'").arg(name)).toInt(),
             0);
}

void tst_companydb::existingDatabaseIsLeftUntouched()
{
    const QString name = TestSupport::uniqueDatabaseName("ztexists");
    EXEC_SQL("create database " + name);
    EXEC_SQL("create table " + name + ".kept (x int)");
    EXEC_SQL("insert into " + name + ".kept values (42)");
    ScriptFailure failure;

    QVERIFY(!createCompanyDatabase(QSqlDatabase::database(), name, &failure, "CREATE TABLE kept (x int);"));

    QCOMPARE(failure.statementNumber, 0);
    QVERIFY2(failure.error.contains("exists"), qPrintable(failure.error));
    QCOMPARE(TestSupport::queryValue("select x from " + name + ".kept").toInt(), 42);
    TestSupport::dropDatabase(name);
}

void tst_companydb::nameIsQuoted()
{
    QCOMPARE(quotedIdentifier("shop"), QString("`shop`"));
    QCOMPARE(quotedIdentifier("a`b; drop database x"), QString("`a``b; drop database x`"));

    const QString name = TestSupport::uniqueDatabaseName("zt odd`name");
    ScriptFailure failure;
    QVERIFY2(createCompanyDatabase(QSqlDatabase::database(), name, &failure, "CREATE TABLE t (x int);"),
             qPrintable(failure.error));
    QCOMPARE(TestSupport::queryValue("select database()").toString(), name);
    TestSupport::dropDatabase(name);
}

ZARPO_TEST_MAIN(tst_companydb)
#include "tst_companydb.moc"
