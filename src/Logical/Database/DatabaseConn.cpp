#include "DatabaseConn.h"

#include <Common/CommonMethod/InitDBLogical.h>

#include <Base/Log.h>

#include <memory>
#include <mutex>

namespace visitorclient {

namespace {

std::mutex g_instanceMutex;
std::once_flag g_instanceOnce;
std::unique_ptr<CDatabaseConn> g_instance;

} // namespace

CDatabaseConn &CDatabaseConn::Instance()
{
    std::lock_guard<std::mutex> lock(g_instanceMutex);
    // A constructor that throws leaves the flag unset: the next call tries again.
    std::call_once(g_instanceOnce, [] { g_instance.reset(new CDatabaseConn); });
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
