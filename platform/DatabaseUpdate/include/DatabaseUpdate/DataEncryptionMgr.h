#pragma once
// The secrets the database library keys the components' databases with, set once at
// start by the component (from the framework's encrypted configuration).

#include <DatabaseUpdate/DatabaseUpdateExport.h>

#include <Base/Encrypt.h>

#include <memory>
#include <string>

namespace DatabaseUpdate {

class DATABASEUPDATE_EXPORT CDataEncryptionMgr
{
public:
    static CDataEncryptionMgr &Instance();

    /// Remembers the AES parameters and the static database key. bPlainDatabases true
    /// lets checks run without a key (ordinary SQLite files, for diagnostics); false, what
    /// components pass, makes a check without a key fail instead of writing plain data.
    /// Safe from any thread; a later call replaces the values.
    void Init(const Base::Encrypt::AESParams &params, const std::string &staticKey,
              bool bPlainDatabases);
    /// Forgets everything Init set (for a component that shuts its databases down).
    void UnInit();

    bool IsInitialised() const;
    Base::Encrypt::AESParams GetAESParams() const;
    std::string GetStaticKey() const;
    bool AllowsPlainDatabases() const;

    CDataEncryptionMgr(const CDataEncryptionMgr &) = delete;
    CDataEncryptionMgr &operator=(const CDataEncryptionMgr &) = delete;

private:
    CDataEncryptionMgr();
    ~CDataEncryptionMgr();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace DatabaseUpdate
