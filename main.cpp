#include "core/resources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.0 Beta"));
    QApplication app(argc, argv);
    initZarpoResources();
    return 0;
}
