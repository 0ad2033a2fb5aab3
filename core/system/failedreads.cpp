#include "core/system/failedreads.h"

#include "core/system/globals.h"
#include "core/system/messages.h"

#include <QSqlError>

namespace FailedReads {

namespace {
int openActions = 0;
bool toldInAction = false;
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

Action::Action()
{
    if (openActions++ == 0)
        toldInAction = false;
}

Action::~Action()
{
    --openActions;
}

} // namespace FailedReads
