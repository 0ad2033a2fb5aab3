#include "app/restart.h"

#include "core/system/seams.h"

#include <QCoreApplication>

bool restartProgram()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (!Processes::startDetached(arguments.value(0), arguments))
        return false;
    QCoreApplication::quit();
    return true;
}
