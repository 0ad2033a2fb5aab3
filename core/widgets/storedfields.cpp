#include "core/widgets/storedfields.h"

#include "core/db/sqlvalues.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>

namespace StoredFields {

namespace {
// The earliest day a date field holds stands for no date, shown by its special text.
const QDate noDate(100, 1, 1);

bool showsNoDate(const QDateEdit *edit)
{
    return edit->minimumDate() == noDate && edit->date() == noDate && !edit->specialValueText().isEmpty();
}

// A field that shows no date starts from today once the user types or steps in it: from
// the special text, a typed digit would be lost and a step would land in the year 100.
class FromToday : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *edit = static_cast<QDateEdit *>(watched);
        if (showsNoDate(edit) && startsAnEntry(event)) {
            edit->setDate(qBound(edit->minimumDate(), QDate::currentDate(), edit->maximumDate()));
            edit->setSelectedSection(edit->sectionAt(0));
        }
        return false;
    }

private:
    static bool startsAnEntry(const QEvent *event)
    {
        if (event->type() == QEvent::Wheel || event->type() == QEvent::MouseButtonPress)
            return true;
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        return !key->text().trimmed().isEmpty() || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down
               || key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
    }
};
}

void showDate(QDateEdit *edit, const QVariant &date)
{
    if (date.isNull() || !date.toDate().isValid()) {
        if (edit->minimumDate() != noDate) {
            edit->setMinimumDate(noDate);
            edit->installEventFilter(new FromToday(edit));
        }
        edit->setSpecialValueText(QCoreApplication::translate("StoredFields", "No date"));
        edit->setDate(noDate);
        return;
    }
    const QDate stored = date.toDate();
    if (stored < edit->minimumDate())
        edit->setMinimumDate(stored);
    if (stored > edit->maximumDate())
        edit->setMaximumDate(stored);
    edit->setDate(stored);
}

QVariant dateOrNull(const QDateEdit *edit)
{
    return showsNoDate(edit) ? QVariant(QVariant::Date) : QVariant(edit->date());
}

void resetDate(QDateEdit *edit, const QDate &date)
{
    // The filter that starts a "No date" field from today goes with it; the next stored
    // NULL shown puts its own in.
    const QObjectList children = edit->children();
    for (QObject *child : children)
        if (dynamic_cast<FromToday *>(child))
            delete child;
    edit->setSpecialValueText(QString());
    edit->clearMinimumDate();
    edit->clearMaximumDate();
    edit->setDate(date);
}

void showCheck(QCheckBox *box, const QVariant &value)
{
    if (!value.isNull()) {
        box->setTristate(false);
        box->setChecked(bitValue(value));
        return;
    }
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
    // Partly ticked is no choice the user makes: the first click leaves it for good.
    QObject::connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
}

QVariant checkOrNull(const QCheckBox *box)
{
    if (box->checkState() == Qt::PartiallyChecked)
        return QVariant(QVariant::Int);
    return box->isChecked() ? 1 : 0;
}

} // namespace StoredFields
