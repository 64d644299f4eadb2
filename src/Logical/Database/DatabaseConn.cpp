#include "DatabaseConn.h"

#include <Common/CommonMethod/InitDBLogical.h>

#include <Base/Log.h>

#include <memory>
#include <mutex>

namespace visitorclient {

namespace {

std::mutex g_instanceMutex;
std::unique_ptr<CDatabaseConn> g_instance;

} // namespace

CDatabaseConn &CDatabaseConn::Instance()
{
    // A constructor that throws leaves no instance: the next call tries again. Not
    // std::call_once: under ThreadSanitizer's pthread_once a throwing call leaves the flag
    // taken, and every later call waits forever.
    std::lock_guard<std::mutex> lock(g_instanceMutex);
    if (!g_instance)
        g_instance.reset(new CDatabaseConn);
    return *g_instance;
}

CDatabaseConn::CDatabaseConn()
{
    // Never open the file without its key: that would write a plain database.
    if (!comm_method::isComponentDBReady() || !HasStaticKey())
        throw Sqlite3DO::CSQlite3Error(kErrorMisuse, "the component database is not available");
    const std::string path = comm_method::componentDBFile(comm_method::kComponentDBName);
    Open(path, true, std::string());
    LOG_INFO("conn_.Open(%s) success", path.c_str());
}

CDatabaseConn::~CDatabaseConn() = default;

} // namespace visitorclient
