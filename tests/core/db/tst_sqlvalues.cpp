#include "core/db/sqlvalues.h"
#include "tests/support/testsupport.h"

#include <QSqlQuery>

#include <functional>

class tst_sqlvalues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyTextsAndIdsReachTheServerAsNull_data();
    void emptyTextsAndIdsReachTheServerAsNull();
};

void tst_sqlvalues::initTestCase()
{
    TestSupport::freshCompany();
}

void tst_sqlvalues::emptyTextsAndIdsReachTheServerAsNull_data()
{
    QTest::addColumn<QString>("helper");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("received"); // as the server saw it: [value] or NULL
    QTest::newRow("nothing typed") << "textOrNull" << QString() << "NULL";
    QTest::newRow("typed and erased") << "textOrNull" << "" << "NULL";
    QTest::newRow("blanks kept as typed") << "textOrNull" << "  " << "[  ]";
    QTest::newRow("text kept as typed") << "textOrNull" << " Cairo " << "[ Cairo ]";
    QTest::newRow("blanks alone are nothing") << "textOrNullIfBlank" << " \n\t" << "NULL";
    QTest::newRow("empty is nothing") << "textOrNullIfBlank" << "" << "NULL";
    QTest::newRow("text keeps its blanks") << "textOrNullIfBlank" << " net 30 " << "[ net 30 ]";
    QTest::newRow("id 0 is no record") << "idOrNull" << "0" << "NULL";
    QTest::newRow("negative id is no record") << "idOrNull" << "-1" << "NULL";
    QTest::newRow("record id") << "idOrNull" << "7" << "[7]";
}

void tst_sqlvalues::emptyTextsAndIdsReachTheServerAsNull()
{
    QFETCH(QString, helper);
    QFETCH(QString, input);
    QFETCH(QString, received);
    const QMap<QString, std::function<QVariant(const QString &)>> helpers{
        {"textOrNull", textOrNull},
        {"textOrNullIfBlank", textOrNullIfBlank},
        {"idOrNull", [](const QString &id) { return idOrNull(id.toInt()); }}};
    QSqlQuery query;
    QVERIFY(query.prepare("select ifnull(concat('[', :value, ']'), 'NULL')"));
    query.bindValue(":value", helpers.value(helper)(input));

    QVERIFY(query.exec() && query.next());
    QCOMPARE(query.value(0).toString(), received);
}

ZARPO_TEST_MAIN(tst_sqlvalues)
#include "tst_sqlvalues.moc"
