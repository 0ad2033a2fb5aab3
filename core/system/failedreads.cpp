#include "core/system/failedreads.h"

#include "core/db/connection.h"
#include "core/system/globals.h"
#include "core/system/messages.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QWidget>

namespace FailedReads {

namespace {
int openActions = 0;
bool toldInAction = false;
// The server's text of a widget's latest failed read; absent once a read has run.
const char unreadProperty[] = "zarpoUnread";

QString unreadText(const QWidget *widget)
{
    return widget->property(unreadProperty).toString();
}
}

void tellText(QWidget *parent, const QString &text)
{
    if (openActions > 0) {
        if (toldInAction)
            return;
        toldInAction = true;
    }
    Messages::critical(parent, msgCaption, text);
}

void tell(QWidget *parent, const QSqlError &error)
{
    if (error.isValid())
        tellText(parent, msgSelectFailed + QLatin1Char('\n') + error.text());
}

QSqlError noteRead(QWidget *widget, const QSqlError &error)
{
    widget->setProperty(unreadProperty, error.isValid() ? QVariant(error.text()) : QVariant());
    tell(widget->window(), error);
    return error;
}

void forgetRecordRead(QWidget *window)
{
    window->setProperty(unreadProperty, QVariant());
}

bool execOrTell(QSqlQuery &query, QWidget *window)
{
    if (query.exec())
        return true;
    tell(window, failureOf(query));
    return false;
}

bool execNoted(QWidget *widget, QSqlQuery &query)
{
    return !noteRead(widget, query.exec() ? QSqlError() : failureOf(query)).isValid();
}

bool readWhole(QWidget *window)
{
    QString failure = unreadText(window);
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (auto widget = widgets.cbegin(); failure.isEmpty() && widget != widgets.cend(); ++widget)
        failure = unreadText(*widget);
    if (failure.isEmpty())
        return true;
    Messages::critical(window, msgCaption,
                       QCoreApplication::translate("FailedReads", "Some of what this window shows could not be read, "
                                                                  "so nothing was saved. Close the window and open it "
                                                                  "again.")
                           + QLatin1Char('\n') + failure);
    return false;
}

Action::Action()
{
    if (openActions++ == 0)
        toldInAction = false;
}

Action::~Action()
{
    --openActions;
}

bool Action::told() const
{
    return toldInAction;
}

} // namespace FailedReads
