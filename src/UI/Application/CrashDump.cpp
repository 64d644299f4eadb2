#include "CrashDump.h"

#include <CrashAPI/CrashAPI.h>
#include <comm_methodlib/UserDataPath.h>

#include <Base/Log.h>

#include <string>

namespace visitorclient {

void crashAPIInit()
{
    if (!CrashAPI_Init()) {
        LOG_ERROR("Failed to CrashAPI_Init.");
        return;
    }
    const std::string dumpPath = comm_methodlib::CUserDataPath::Instance().dumpPath();
    // 0x9B67: the dump flags the framework asks every component for.
    if (!CrashAPI_SetDumpPath(dumpPath.c_str()) || !CrashAPI_SetDumpType(39783))
        LOG_ERROR("Failed to CrashAPI_SetDumpPath [%s].", dumpPath.c_str());
    if (!CrashAPI_SetDumpMaxCount(1))
        LOG_ERROR("Failed to CrashAPI_SetDumpMaxCount [%d].", 1);
}

} // namespace visitorclient
