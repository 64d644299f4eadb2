#pragma once
// The process-wide connection to the component's encrypted local database.

#include <Sqlite3DO/SQLite3Conn.h>

namespace visitorclient {

class CDatabaseConn : public Sqlite3DO::CSQLite3Conn
{
public:
    /// The connection, opened on first call. Throws Sqlite3DO::CSQlite3Error when the
    /// database is not available (no key from the configuration, failed check) or does
    /// not open; a later call tries again. Any thread.
    static CDatabaseConn &Instance();

    ~CDatabaseConn() override;

private:
    CDatabaseConn();
};

} // namespace visitorclient
