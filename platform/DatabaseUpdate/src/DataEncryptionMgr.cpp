#include <DatabaseUpdate/DataEncryptionMgr.h>

#include <mutex>

namespace DatabaseUpdate {

struct CDataEncryptionMgr::Impl
{
    mutable std::mutex mutex;
    bool initialised = false;
    Base::Encrypt::AESParams params;
    std::string staticKey;
    bool plainDatabases = false;
};

CDataEncryptionMgr &CDataEncryptionMgr::Instance()
{
    static CDataEncryptionMgr instance;
    return instance;
}

CDataEncryptionMgr::CDataEncryptionMgr() : d(new Impl) {}
CDataEncryptionMgr::~CDataEncryptionMgr() = default;

void CDataEncryptionMgr::Init(const Base::Encrypt::AESParams &params, const std::string &staticKey,
                              bool bPlainDatabases)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->params = params;
    d->staticKey = staticKey;
    d->plainDatabases = bPlainDatabases;
    d->initialised = true;
}

void CDataEncryptionMgr::UnInit()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->initialised = false;
    d->params = Base::Encrypt::AESParams();
    d->staticKey.clear();
    d->plainDatabases = false;
}

bool CDataEncryptionMgr::IsInitialised() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->initialised;
}

Base::Encrypt::AESParams CDataEncryptionMgr::GetAESParams() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->params;
}

std::string CDataEncryptionMgr::GetStaticKey() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->staticKey;
}

bool CDataEncryptionMgr::AllowsPlainDatabases() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->plainDatabases;
}

} // namespace DatabaseUpdate
