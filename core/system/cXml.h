#ifndef CXML_H
#define CXML_H

#include <QDomDocument>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <functional>

// The settings file Config.xml. Reads work on the document loaded last. Every change
// reads the file afresh under a lock file beside it, applies itself to what the file
// holds now and replaces the file atomically, readable by its owner only (it holds the
// companies' server passwords): two instances, or two windows, that loaded the file
// at different times never drop each other's changes. Elements the program keeps once
// are read from and written to the first element with their tag.
class cXml : public QObject
{
    Q_OBJECT

public:
    explicit cXml(const QString &fileName);

    // Reads the file, or writes the default document when it is missing or does not
    // parse (a file that does not parse is first kept beside it as "<name>.bad").
    void load();

    // The damaged file that a load of this process kept aside and that nobody was told
    // of yet; taking it clears it, so the user hears of it once. Empty when none.
    static QString takeKeptDamagedFile();

    QStringList getAttributes(const QString &tag, const QString &attribute) const;
    QDomElement getElement(const QString &tag, const QString &attribute, const QString &value) const;
    QStringList getTexts(const QString &tag) const;

    // The element at `position` (from 0) among those with `tag`; null when there are fewer.
    QDomElement elementAt(const QString &tag, int position) const;
    // Every attribute of `element` by name; empty for a null element.
    static QVariantMap attributes(const QDomElement &element);
    // True when the element at `position` among those with `tag` carries exactly
    // `expected`'s attributes, that is, nobody changed or moved it since it was read.
    bool hasElementAt(const QString &tag, int position, const QVariantMap &expected) const;

    // The writers return false when the file could not be locked, read or written; the
    // file then keeps its old content and this object holds what the file holds.
    bool setAttributes(const QString &tag, const QStringList &names, const QStringList &values);
    bool addElement(const QString &tag, const QStringList &names, const QStringList &values);
    bool removeElement(const QString &tag, const QString &attribute, const QString &value);
    bool removeElementAt(const QString &tag, int position);
    bool saveNode(const QDomNode &node);

    // Several changes written as one: `change` gets this object holding the file as it
    // is now and changes it through the writers above, which then write nothing; when it
    // returns false nothing is written. False also when the file could not be written.
    bool update(const std::function<bool(cXml &file)> &change);

    // The settings file of this program: Config.xml in the program's folder.
    static QString programSettingsPath();

private:
    bool readFile();
    void makeDefaultDocument();
    bool writeText(const QString &text);

    QDomDocument document;
    QString fileName;
    bool updating = false;
};

#endif // CXML_H
