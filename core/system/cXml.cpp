#include "core/system/cXml.h"

#include "core/system/seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QTextStream>

namespace {
// A change holds the lock for the time of one small read and write; a lock held longer
// belongs to a program that hangs, and QLockFile itself frees the lock of one that died.
const int lockWaitMs = 5000;

const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;

QString &keptDamagedFile()
{
    static QString name;
    return name;
}

QString lockFileName(const QString &fileName)
{
    return fileName + QStringLiteral(".lock");
}
}

cXml::cXml(const QString &fileName)
    : fileName(fileName)
{
}

QString cXml::programSettingsPath()
{
    return QDir(programDir()).filePath(QStringLiteral("Config.xml"));
}

QString cXml::takeKeptDamagedFile()
{
    const QString name = keptDamagedFile();
    keptDamagedFile().clear();
    return name;
}

void cXml::load()
{
    QLockFile lock(lockFileName(fileName));
    if (!lock.tryLock(lockWaitMs)) {
        // The folder cannot be written (or another program hangs on the file): read what
        // stands there and leave the file alone.
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !document.setContent(&file))
            makeDefaultDocument();
        return;
    }
    if (readFile())
        writeText(document.toString(1));
}

// Reads the file into the document. True when the document is not what the file holds:
// the file was missing, or did not parse and was kept aside, and the default took its place.
bool cXml::readFile()
{
    QFile file(fileName);
    if (file.exists()) {
        if (file.open(QIODevice::ReadOnly | QIODevice::Text) && document.setContent(&file))
            return false;
        file.close();
        // Keep the damaged file for the user instead of destroying every company entry.
        const QString badName = fileName + QStringLiteral(".bad");
        QFile::remove(badName);
        if (QFile::rename(fileName, badName)) {
            QFile::setPermissions(badName, ownerOnly);
            keptDamagedFile() = badName;
        } else {
            QFile::remove(fileName);
        }
    }
    makeDefaultDocument();
    return true;
}

void cXml::makeDefaultDocument()
{
    document.clear();
    QDomElement root = document.createElement(QStringLiteral("AccountingConf"));
    root.setAttribute(QStringLiteral("AppVersion"), QCoreApplication::applicationVersion());
    QDomElement author = document.createElement(QStringLiteral("Author"));
    author.setAttribute(QStringLiteral("name"), QStringLiteral("Zarpo"));
    QDomElement language = document.createElement(QStringLiteral("Language"));
    language.setAttribute(QStringLiteral("DefaultLanguage"), QStringLiteral("en"));
    document.appendChild(root);
    root.appendChild(author);
    root.appendChild(language);
}

QStringList cXml::getAttributes(const QString &tag, const QString &attribute) const
{
    QStringList values;
    const QDomNodeList nodes = document.elementsByTagName(tag);
    for (int i = 0; i < nodes.count(); ++i)
        values << nodes.at(i).toElement().attribute(attribute);
    return values;
}

QDomElement cXml::getElement(const QString &tag, const QString &attribute, const QString &value) const
{
    const QDomNodeList nodes = document.elementsByTagName(tag);
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomElement element = nodes.at(i).toElement();
        if (element.attribute(attribute) == value)
            return element;
    }
    return QDomElement();
}

QStringList cXml::getTexts(const QString &tag) const
{
    QStringList texts;
    const QDomNodeList nodes = document.elementsByTagName(tag);
    for (int i = 0; i < nodes.count(); ++i)
        texts << nodes.at(i).toElement().text();
    return texts;
}

QDomElement cXml::elementAt(const QString &tag, int position) const
{
    return document.elementsByTagName(tag).item(position).toElement();
}

QVariantMap cXml::attributes(const QDomElement &element)
{
    QVariantMap values;
    const QDomNamedNodeMap nodes = element.attributes();
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomAttr attribute = nodes.item(i).toAttr();
        values.insert(attribute.name(), attribute.value());
    }
    return values;
}

bool cXml::hasElementAt(const QString &tag, int position, const QVariantMap &expected) const
{
    const QDomElement element = elementAt(tag, position);
    return !element.isNull() && attributes(element) == expected;
}

bool cXml::setAttributes(const QString &tag, const QStringList &names, const QStringList &values)
{
    if (!updating)
        return update([&](cXml &file) { return file.setAttributes(tag, names, values); });
    const QDomNodeList nodes = document.elementsByTagName(tag);
    if (nodes.isEmpty())
        return addElement(tag, names, values);
    QDomElement element = nodes.at(0).toElement();
    for (int i = 0; i < names.count(); ++i)
        element.setAttribute(names.at(i), values.value(i));
    return true;
}

bool cXml::addElement(const QString &tag, const QStringList &names, const QStringList &values)
{
    if (!updating)
        return update([&](cXml &file) { return file.addElement(tag, names, values); });
    QDomElement element = document.createElement(tag);
    for (int i = 0; i < names.count(); ++i)
        element.setAttribute(names.at(i), values.value(i));
    document.documentElement().appendChild(element);
    return true;
}

bool cXml::removeElement(const QString &tag, const QString &attribute, const QString &value)
{
    if (!updating)
        return update([&](cXml &file) { return file.removeElement(tag, attribute, value); });
    QDomElement element = getElement(tag, attribute, value);
    if (!element.isNull())
        element.parentNode().removeChild(element);
    return true;
}

bool cXml::removeElementAt(const QString &tag, int position)
{
    if (!updating)
        return update([&](cXml &file) { return file.removeElementAt(tag, position); });
    QDomElement element = elementAt(tag, position);
    if (!element.isNull())
        element.parentNode().removeChild(element);
    return true;
}

bool cXml::saveNode(const QDomNode &node)
{
    QString text;
    QTextStream stream(&text);
    node.save(stream, 1);
    QLockFile lock(lockFileName(fileName));
    return lock.tryLock(lockWaitMs) && writeText(text);
}

bool cXml::update(const std::function<bool(cXml &)> &change)
{
    if (updating)
        return change(*this);
    QLockFile lock(lockFileName(fileName));
    if (!lock.tryLock(lockWaitMs))
        return false;
    readFile();
    updating = true;
    const bool changed = change(*this);
    updating = false;
    if (changed && writeText(document.toString(1)))
        return true;
    readFile();
    return false;
}

// Written to a new file that then replaces the old one, so a crash or a full disk never
// leaves a damaged or empty settings file behind.
bool cXml::writeText(const QString &text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // Set on the new file before it takes the name, so the passwords are never readable
    // by others, not even for a moment, and a file once made readable is mended.
    if (!file.setPermissions(ownerOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}
