#include "core/widgets/htmltemplate.h"
#include "tests/support/testsupport.h"

class tst_htmltemplate : public QObject
{
    Q_OBJECT

private slots:
    void fill_data();
    void fill();
};

namespace {
// "key=value" pairs; a value may hold "=" itself.
QHash<QString, QString> pairs(const QStringList &list)
{
    QHash<QString, QString> hash;
    for (const QString &pair : list) {
        const int split = pair.indexOf('=');
        hash.insert(pair.left(split), pair.mid(split + 1));
    }
    return hash;
}
}

void tst_htmltemplate::fill_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("html");
    QTest::addColumn<QString>("filled");

    QTest::newRow("every occurrence filled, case kept")
        << "<p>$NAME$ and $NAME$, not $name$</p>" << QStringList{"$NAME$=Nile"} << QStringList()
        << "<p>Nile and Nile, not $name$</p>";
    QTest::newRow("markup characters of a value escaped")
        << "<td>$NAME$</td>" << QStringList{"$NAME$=<b>Tom & \"Jerry\"</b> O'Neil"} << QStringList()
        << "<td>&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt; O&#39;Neil</td>";
    QTest::newRow("a value holding a placeholder stays literal")
        << "$V0$|$V1$" << QStringList{"$V0$=$V1$", "$V1$=2.50"} << QStringList() << "$V1$|2.50";
    QTest::newRow("a value that completes a placeholder with the page stays literal")
        << "$V0$V1$" << QStringList{"$V0$=$", "$V1$=2.50"} << QStringList() << "$V1$";
    QTest::newRow("unknown placeholders and lone dollars kept")
        << "$V7$ $X$ 5$ $" << QStringList{"$V0$=1"} << QStringList() << "$V7$ $X$ 5$ $";
    QTest::newRow("the longer of two placeholders at one place wins")
        << "<tr><td>$DETAILS</td></tr><p>$DETAILS</p>" << QStringList{"$DETAILS=left alone"}
        << QStringList{"<td>$DETAILS</td>=<td> a </td><td> b </td>"}
        << "<tr><td> a </td><td> b </td></tr><p>left alone</p>";
    QTest::newRow("report placeholders without a closing dollar")
        << "$COMPANY_NAME, $COMPANY_ADDRESS" << QStringList{"$COMPANY_NAME=Zarpo & Co", "$COMPANY_ADDRESS=Cairo"}
        << QStringList() << "Zarpo &amp; Co, Cairo";
    QTest::newRow("an HTML value inserted as it stands")
        << "<table>$ROWS$</table>" << QStringList() << QStringList{"$ROWS$=<tr><td> &lt;x&gt; </td></tr>"}
        << "<table><tr><td> &lt;x&gt; </td></tr></table>";
    QTest::newRow("an empty value empties its placeholder") << "[$V3$]" << QStringList{"$V3$="} << QStringList()
                                                           << "[]";
    QTest::newRow("no values leave the page as it is") << "<b>$V0$</b> & more" << QStringList() << QStringList()
                                                      << "<b>$V0$</b> & more";
}

void tst_htmltemplate::fill()
{
    QFETCH(QString, page);
    QFETCH(QStringList, values);
    QFETCH(QStringList, html);
    QFETCH(QString, filled);

    QCOMPARE(fillTemplate(page, pairs(values), pairs(html)), filled);
}

ZARPO_TEST_MAIN(tst_htmltemplate)
#include "tst_htmltemplate.moc"
