#include "VisitorResources.h"

#include <QtCore/QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initVisitorManagementResource()
{
    Q_INIT_RESOURCE(VisitorManagement);
}

namespace visitorclient {

void initVisitorResources()
{
    static const bool registered = (initVisitorManagementResource(), true);
    Q_UNUSED(registered)
}

} // namespace visitorclient
