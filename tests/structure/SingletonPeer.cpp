#include "SingletonPeer.h"

#include <clientcommonlogical/SwitchUserNotifyMgr.h>
#include <comm_methodlib/UserDataPath.h>

namespace singletonpeer {

const void *switchUserNotifyMgr()
{
    return &clientcommonlogical::CSwitchUserNotifyMgr::Instance();
}

const void *userDataPath()
{
    return &comm_methodlib::CUserDataPath::Instance();
}

} // namespace singletonpeer
