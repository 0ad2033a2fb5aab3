#ifndef CXML_H
#define CXML_H

#include <QDomDocument>
#include <QObject>
#include <QStringList>

// The settings file Config.xml: one document in memory, loaded once, and every change
// written back whole. Elements the program keeps once are read from and written to
// the first element with their tag.
class cXml : public QObject
{
    Q_OBJECT

public:
    explicit cXml(const QString &fileName);

    // Reads the file, or writes the default document when it is missing or does not
    // parse (a file that does not parse is first kept beside it as "<name>.bad").
    void load();

    QStringList getAttributes(const QString &tag, const QString &attribute) const;
    QDomElement getElement(const QString &tag, const QString &attribute, const QString &value) const;
    QStringList getTexts(const QString &tag) const;

    // The writers return false when the file could not be written; the file then keeps
    // its old content.
    bool setAttributes(const QString &tag, const QStringList &names, const QStringList &values);
    bool addElement(const QString &tag, const QStringList &names, const QStringList &values);
    bool removeElement(const QString &tag, const QString &attribute, const QString &value);
    bool saveNode(const QDomNode &node);

    // The settings file of this program: Config.xml in the program's folder.
    static QString programSettingsPath();

private:
    void makeDefaultDocument();
    bool writeText(const QString &text);
    bool save();

    QDomDocument document;
    QString fileName;
};

#endif // CXML_H
