// The interfaces' destructors, out of line: their vtables and typeinfo then live in this
// library alone, not in every module (plug-in, page library) that implements them.

#include <clientcommonlogical/IAbstractDeviceManager.h>
#include <clientcommonlogical/IDataSource.h>
#include <clientcommonlogical/IGroupManager.h>
#include <clientcommonlogical/INotifyCenterManagerObserver.h>
#include <clientcommonlogical/ISkinPlugin.h>
#include <clientcommonlogical/ISwitchUserNotifyMgrObserver.h>

namespace qorva7310 {

IDataChangeListener::~IDataChangeListener() = default;
IDataSource::~IDataSource() = default;
IAbstractDeviceManager::~IAbstractDeviceManager() = default;
IGroupElement::~IGroupElement() = default;
IGroupManager::~IGroupManager() = default;

} // namespace qorva7310

namespace clientcommonlogical {

INotifyCenterManagerObserver::~INotifyCenterManagerObserver() = default;
ISkinPlugin::~ISkinPlugin() = default;
ISwitchUserNotifyMgrObserver::~ISwitchUserNotifyMgrObserver() = default;

} // namespace clientcommonlogical
