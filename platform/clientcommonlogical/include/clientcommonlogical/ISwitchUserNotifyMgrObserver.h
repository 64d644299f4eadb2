#pragma once
// Observer of operator switches reported by the framework.

#include <clientcommonlogical/clientcommonlogicalExport.h>

namespace clientcommonlogical {

/// What happened: iKind 1 asks the observer to refresh its frame for the new operator;
/// other kinds are informational. iParam is kind-specific (0 when unused).
struct CLIENTCOMMONLOGICAL_EXPORT SwitchUserNotifyData
{
    int iKind = 0;
    int iParam = 0;
};

class CLIENTCOMMONLOGICAL_EXPORT ISwitchUserNotifyMgrObserver
{
public:
    virtual ~ISwitchUserNotifyMgrObserver(); // out of line: Interfaces.cpp
    /// Called on the notifying thread (often not the GUI thread): observers that touch
    /// widgets must hop to their own thread, e.g. by emitting a signal.
    virtual void onSwitchUserNotify(const SwitchUserNotifyData &data) = 0;
};

} // namespace clientcommonlogical
