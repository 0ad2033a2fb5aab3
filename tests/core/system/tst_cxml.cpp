#include "core/system/cXml.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The owner, group and others bits; Qt adds those of the user running the test.
QFile::Permissions modeOf(const QString &path)
{
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

const QByteArray defaultDocument =
    "<AccountingConf AppVersion=\"2.1.0 Beta\">\n"
    " <Author name=\"Zarpo\"/>\n"
    " <Language DefaultLanguage=\"en\"/>\n"
    "</AccountingConf>\n";

const QByteArray twoCompanies =
    "<AccountingConf AppVersion=\"2.1.0 Beta\">\n"
    " <Company Database=\"shop\" Server=\"first\"/>\n"
    " <Company Database=\"shop\" Server=\"second\"/>\n"
    " <MainWindow TabIndex=\"10\"/>\n"
    "</AccountingConf>\n";
}

class tst_cxml : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void missingFileGetsTheDefaultDocument();
    void damagedFileIsKeptAside_data();
    void damagedFileIsKeptAside();
    void firstOfSeveralElementsIsFoundAndChanged();
    void newElementIsAppendedLast();
    void shorterValueLeavesAWellFormedFile();
    void nonAsciiValuesRoundTrip();
    void absentTagGivesNoValues();
    void unwritableFileIsReported();
    void everyWriteIsOwnerOnly();
    void instancesLoadedTogetherKeepEachOthersChanges();
    void refusedUpdateWritesNothing();
    void damagedFileIsToldOnce();

private:
    QString path;
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_cxml::init()
{
    dir = std::make_unique<QTemporaryDir>();
    path = QDir(dir->path()).filePath("Config.xml");
}

void tst_cxml::missingFileGetsTheDefaultDocument()
{
    cXml xml(path);
    xml.load();
    QCOMPARE(readAll(path), defaultDocument);
    QCOMPARE(xml.getAttributes("Language", "DefaultLanguage"), QStringList{"en"});
    QVERIFY(xml.getAttributes("Company", "Database").isEmpty());
}

void tst_cxml::damagedFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated") << QByteArray("<AccountingConf AppVersion=\"2.1.0 Beta\">\n <Company Datab");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not xml") << QByteArray("Server=localhost\n");
}

void tst_cxml::damagedFileIsKeptAside()
{
    QFETCH(QByteArray, content);
    writeAll(path, content);
    writeAll(path + ".bad", "an older damaged file");

    cXml xml(path);
    xml.load();

    QCOMPARE(readAll(path), defaultDocument);
    QCOMPARE(readAll(path + ".bad"), content);
}

void tst_cxml::firstOfSeveralElementsIsFoundAndChanged()
{
    writeAll(path, twoCompanies);
    cXml xml(path);
    xml.load();

    QCOMPARE(xml.getElement("Company", "Database", "shop").attribute("Server"), QString("first"));
    QVERIFY(xml.getElement("Company", "Database", "SHOP").isNull());
    QCOMPARE(xml.getElement("Company", "Database", "none").attribute("ServerPort", "1212"), QString("1212"));

    QVERIFY(xml.setAttributes("Company", {"Server", "ServerPort"}, {"changed", "3306"}));
    QVERIFY(xml.removeElement("Company", "Server", "second"));

    cXml again(path);
    again.load();
    QCOMPARE(again.getAttributes("Company", "Server"), QStringList{"changed"});
    QCOMPARE(again.getAttributes("Company", "ServerPort"), QStringList{"3306"});
    QCOMPARE(again.getAttributes("Company", "Database"), QStringList{"shop"});
}

void tst_cxml::newElementIsAppendedLast()
{
    writeAll(path, twoCompanies);
    cXml xml(path);
    xml.load();
    QVERIFY(xml.setAttributes("Backup", {"Path"}, {"/backups"}));
    QVERIFY(xml.addElement("Company", {"Database"}, {"third"}));

    cXml again(path);
    again.load();
    QStringList tags;
    const QDomNodeList children = again.getElement("Backup", "Path", "/backups").parentNode().childNodes();
    for (int i = 0; i < children.count(); ++i)
        tags << children.at(i).toElement().tagName();
    QCOMPARE(tags, (QStringList{"Company", "Company", "MainWindow", "Backup", "Company"}));
}

void tst_cxml::shorterValueLeavesAWellFormedFile()
{
    writeAll(path, twoCompanies);
    cXml xml(path);
    xml.load();
    QVERIFY(xml.setAttributes("MainWindow", {"TabIndex"}, {"2"}));

    writeAll(path + ".bad", "");
    cXml again(path);
    again.load();
    QCOMPARE(again.getAttributes("MainWindow", "TabIndex"), QStringList{"2"});
    QCOMPARE(readAll(path + ".bad"), QByteArray()); // it parsed: nothing was set aside
}

void tst_cxml::nonAsciiValuesRoundTrip()
{
    const QString folder = QString::fromUtf8("/home/سمير/نسخ احتياطية & <\"copies\">");
    {
        cXml xml(path);
        xml.load();
        QVERIFY(xml.setAttributes("Backup", {"Path"}, {folder}));
        QVERIFY(xml.addElement("Company", {"Database"}, {QString::fromUtf8("شركة_1")}));
    }
    cXml again(path);
    again.load();
    QCOMPARE(again.getAttributes("Backup", "Path"), QStringList{folder});
    QCOMPARE(again.getAttributes("Company", "Database"), QStringList{QString::fromUtf8("شركة_1")});
}

void tst_cxml::absentTagGivesNoValues()
{
    cXml xml(path);
    xml.load();
    QVERIFY(xml.getAttributes("DefaultCompany", "Database").isEmpty());
    QVERIFY(xml.getElement("DefaultCompany", "Database", "").isNull());
}

// A folder that does not exist cannot be written by anyone, root included.
void tst_cxml::unwritableFileIsReported()
{
    const QString unwritable = QDir(dir->path()).filePath("missing/Config.xml");
    cXml xml(unwritable);
    xml.load();
    QVERIFY(!QFile::exists(unwritable));
    QCOMPARE(xml.getAttributes("Language", "DefaultLanguage"), QStringList{"en"});

    QVERIFY(!xml.addElement("Company", {"Database"}, {"shop"}));
    QVERIFY(xml.getAttributes("Company", "Database").isEmpty());
    QVERIFY(!xml.setAttributes("Language", {"DefaultLanguage"}, {"ar"}));
}

// The file holds the companies' server passwords.
void tst_cxml::everyWriteIsOwnerOnly()
{
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    cXml xml(path);
    xml.load();
    QCOMPARE(modeOf(path), ownerOnly);

    // A file that an older program left readable by all is mended by the next write.
    QVERIFY(QFile::setPermissions(path, ownerOnly | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(xml.setAttributes("Language", {"DefaultLanguage"}, {"ar"}));
    QCOMPARE(modeOf(path), ownerOnly);
    QVERIFY(xml.addElement("Company", {"Database", "ServerPassword"}, {"shop", "secret"}));
    QCOMPARE(modeOf(path), ownerOnly);
    QVERIFY(xml.removeElementAt("Company", 0));
    QCOMPARE(modeOf(path), ownerOnly);

    writeAll(path, "<AccountingConf><Company ServerPassword=\"secret\"");
    QVERIFY(QFile::setPermissions(path, ownerOnly | QFile::ReadOther));
    cXml damaged(path);
    damaged.load();
    QCOMPARE(modeOf(path + ".bad"), ownerOnly);
    cXml::takeKeptDamagedFile();
}

void tst_cxml::instancesLoadedTogetherKeepEachOthersChanges()
{
    writeAll(path, twoCompanies);
    cXml first(path);
    cXml second(path);
    first.load();
    second.load();

    QVERIFY(first.addElement("Company", {"Database"}, {"added by the first"}));
    QVERIFY(second.setAttributes("Language", {"DefaultLanguage"}, {"ar"}));
    QVERIFY(second.removeElement("Company", "Server", "second"));
    QVERIFY(first.setAttributes("MainWindow", {"TabIndex"}, {"3"}));

    // Each object holds what the file holds after its own change.
    QCOMPARE(first.getAttributes("Language", "DefaultLanguage"), QStringList{"ar"});
    cXml again(path);
    again.load();
    QCOMPARE(again.getAttributes("Company", "Database"), (QStringList{"shop", "added by the first"}));
    QCOMPARE(again.getAttributes("Language", "DefaultLanguage"), QStringList{"ar"});
    QCOMPARE(again.getAttributes("MainWindow", "TabIndex"), QStringList{"3"});
}

void tst_cxml::refusedUpdateWritesNothing()
{
    writeAll(path, twoCompanies);
    cXml xml(path);
    xml.load();
    const QVariantMap second = cXml::attributes(xml.elementAt("Company", 1));
    QCOMPARE(second, (QVariantMap{{"Database", "shop"}, {"Server", "second"}}));
    QVERIFY(xml.hasElementAt("Company", 1, second));
    QVERIFY(!xml.hasElementAt("Company", 0, second));
    QVERIFY(!xml.hasElementAt("Company", 2, second));

    QVERIFY(!xml.update([](cXml &file) {
        file.setAttributes("MainWindow", {"TabIndex"}, {"1"});
        return false;
    }));

    QCOMPARE(readAll(path), twoCompanies);
    QCOMPARE(xml.getAttributes("MainWindow", "TabIndex"), QStringList{"10"});
}

void tst_cxml::damagedFileIsToldOnce()
{
    cXml::takeKeptDamagedFile();
    writeAll(path, "not xml");
    cXml xml(path);
    xml.load();
    xml.load();
    QCOMPARE(cXml::takeKeptDamagedFile(), path + ".bad");
    QCOMPARE(cXml::takeKeptDamagedFile(), QString());
}

ZARPO_TEST_MAIN(tst_cxml)
#include "tst_cxml.moc"
