#include "app/restart.h"

#include "core/system/seams.h"

#include <QCoreApplication>

bool restartProgram()
{
    // The executable is named once, as the program; its arguments follow it.
    const QStringList arguments = QCoreApplication::arguments();
    if (!Processes::startDetached(arguments.value(0), arguments.mid(1)))
        return false;
    QCoreApplication::quit();
    return true;
}
