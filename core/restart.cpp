#include "core/restart.h"

#include "core/seams.h"

#include <QCoreApplication>

bool restartProgram()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (!Processes::startDetached(arguments.value(0), arguments))
        return false;
    QCoreApplication::quit();
    return true;
}
