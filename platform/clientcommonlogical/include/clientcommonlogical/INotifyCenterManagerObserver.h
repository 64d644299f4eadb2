#pragma once
// Observer of the server notifications that the framework forwards.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <memory>

namespace protocol {
class IWebsocketData;
}

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT INotifyCenterManagerObserver
{
public:
    virtual ~INotifyCenterManagerObserver(); // out of line: Interfaces.cpp
    /// Called on the notify center's delivery thread, one notification at a time in
    /// arrival order; data->name() is the notification type. Must not wait for the GUI
    /// thread (a GUI thread that unregisters this observer waits for the call to end):
    /// hand widget work over with a queued signal instead.
    virtual void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) = 0;
};

} // namespace clientcommonlogical
