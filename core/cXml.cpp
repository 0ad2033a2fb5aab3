#include "core/cXml.h"

#include "core/seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

cXml::cXml(const QString &fileName)
    : fileName(fileName)
{
}

QString cXml::programSettingsPath()
{
    return QDir(programDir()).filePath(QStringLiteral("Config.xml"));
}

void cXml::load()
{
    QFile file(fileName);
    if (file.exists()) {
        if (file.open(QIODevice::ReadOnly | QIODevice::Text) && document.setContent(&file))
            return;
        file.close();
        // Keep the damaged file for the user instead of destroying every company entry.
        const QString badName = fileName + QStringLiteral(".bad");
        QFile::remove(badName);
        if (!QFile::rename(fileName, badName))
            QFile::remove(fileName);
    }
    makeDefaultDocument();
    save();
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

bool cXml::setAttributes(const QString &tag, const QStringList &names, const QStringList &values)
{
    const QDomNodeList nodes = document.elementsByTagName(tag);
    if (nodes.isEmpty())
        return addElement(tag, names, values);
    QDomElement element = nodes.at(0).toElement();
    for (int i = 0; i < names.count(); ++i)
        element.setAttribute(names.at(i), values.value(i));
    return save();
}

bool cXml::addElement(const QString &tag, const QStringList &names, const QStringList &values)
{
    QDomElement element = document.createElement(tag);
    for (int i = 0; i < names.count(); ++i)
        element.setAttribute(names.at(i), values.value(i));
    document.documentElement().appendChild(element);
    if (save())
        return true;
    document.documentElement().removeChild(element);
    return false;
}

bool cXml::removeElement(const QString &tag, const QString &attribute, const QString &value)
{
    QDomElement element = getElement(tag, attribute, value);
    if (element.isNull())
        return true;
    element.parentNode().removeChild(element);
    return save();
}

bool cXml::saveNode(const QDomNode &node)
{
    QString text;
    QTextStream stream(&text);
    node.save(stream, 1);
    return writeText(text);
}

bool cXml::save()
{
    return writeText(document.toString(1));
}

// Written to a new file that then replaces the old one, so a crash or a full disk never
// leaves a damaged or empty settings file behind.
bool cXml::writeText(const QString &text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}
