// Process singletons exist once, whichever module asks: the executable, the library that
// owns the class and a further module built with hidden visibility like the libraries.

#include "SingletonPeer.h"

#include <UiDataController/PermissionManager.h>
#include <clientcommonlogical/SwitchUserNotifyMgr.h>
#include <comm_methodlib/UserDataPath.h>

#include <QorvaGUIToolkit/CObjectSingleton.h>

#include <gtest/gtest.h>

TEST(Singletons, OneInstanceAcrossModules)
{
    EXPECT_EQ(singletonpeer::switchUserNotifyMgr(),
              &clientcommonlogical::CSwitchUserNotifyMgr::Instance());
    EXPECT_EQ(singletonpeer::userDataPath(), &comm_methodlib::CUserDataPath::Instance());
}

TEST(Singletons, ObjectSingletonIsTheOneItsLibraryUses)
{
    // The component creates the permission manager; the UI data library hands the same
    // one to the pages.
    using Permissions = QorvaGUIToolkit::CObjectSingleton<UiDataController::CPermissionManager>;
    UiDataController::CPermissionManager *created = Permissions::Instance();
    EXPECT_EQ(UiDataController::CPermissionManager::instance(), created);
    Permissions::Destroy();
    EXPECT_EQ(Permissions::existing(), nullptr);
}
