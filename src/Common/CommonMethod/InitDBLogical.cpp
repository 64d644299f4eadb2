#include "InitDBLogical.h"

#include <Common/CommonMethod/DataEncryptionConfig.h>

#include <DatabaseUpdate/DBCheckImplHelper.h>
#include <DatabaseUpdate/DataEncryptionMgr.h>
#include <Sqlite3DO/SQLite3Conn.h>
#include <comm_methodlib/UserDataPath.h>

#include <Base/Encrypt.h>
#include <Base/FileUtil.h>
#include <Base/Log.h>

#include <atomic>
#include <mutex>

namespace comm_method {

namespace {

std::mutex g_initMutex;
bool g_keysSet = false; // guarded by g_initMutex
std::atomic<bool> g_ready{false};

} // namespace

std::string componentDBFile(const std::string &name)
{
    const std::string dir = comm_methodlib::CUserDataPath::Instance().componentPath();
    return dir.empty() ? std::string() : dir + name;
}

std::string componentDBMaintainPath()
{
    const std::string dir = comm_methodlib::CUserDataPath::Instance().componentPath();
    return dir.empty() ? std::string() : dir + "maintain/";
}

bool initComponentDBLogical(const std::vector<std::string> &names)
{
    std::lock_guard<std::mutex> lock(g_initMutex);
    const auto &paths = comm_methodlib::CUserDataPath::Instance();
    if (!g_keysSet) {
        const std::string path = paths.rootPath() + "Framework.C/DESetup.xml";
        if (paths.rootPath().empty() || !Base::FileUtil::IsPathExist(path)) {
            LOG_FATAL("[%s] is not exist.", path.c_str());
            return false;
        }
        CDataEncryptionConfig config;
        // Without the configuration's secrets nothing is keyed: no database opens at all
        // rather than one that anybody could read.
        if (!config.loadConfig(path)) {
            LOG_ERROR("The component databases stay closed: no key from [%s].", path.c_str());
            return false;
        }
        Base::Encrypt::SetAESParams(config.aesParams());
        Sqlite3DO::CSQLite3Conn::SetStaticKey(config.staticKey());
        DatabaseUpdate::CDataEncryptionMgr::Instance().Init(config.aesParams(), config.staticKey(),
                                                            false);
        g_keysSet = true;
    }

    DatabaseUpdate::DBCheckParams params;
    params.dataPath = paths.componentPath();
    params.maintainPath = componentDBMaintainPath();
    params.importPath = paths.getImportDBPath();
    params.names = names;
    std::string message;
    if (!DatabaseUpdate::CDBCheckImplHelper::checkAndUpdateDB(message, params)) {
        LOG_ERROR("Failed to checkAndUpdateDB. [msg-%s].", message.c_str());
        g_ready = false;
        return false;
    }
    g_ready = true;
    return true;
}

bool isComponentDBReady()
{
    return g_ready;
}

} // namespace comm_method
