#pragma once
// Schema of the server database. The version lives in PRAGMA user_version; each
// migration runs in its own transaction, so a failed step leaves the previous version.

namespace qorvaserver {

class CDatabase;

class CSchema
{
public:
    /// The version this build writes.
    static int currentVersion();
    /// Brings the database up to currentVersion(); false when a step fails or the file
    /// is newer than this build.
    static bool migrate(CDatabase &db);
    /// Deletes every row of every table (the schema stays); runs inside the caller's
    /// transaction.
    static bool clearAll(CDatabase &db);
};

} // namespace qorvaserver
