#include "core/system/resources.h"

#include <QtGlobal>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(resources);
}

void initZarpoResources()
{
    initResourcesOutsideNamespace();
}
