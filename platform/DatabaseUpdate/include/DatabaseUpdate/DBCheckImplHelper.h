#pragma once
// Checks the components' local databases at start and brings their schemas up to date.
//
// Each database name has a schema: a list of migrations numbered 1, 2, ... The database
// file dataPath + name records the number of the last migration it received (SQLite's
// user_version). A check, for each name:
//   1. takes over importPath + name when the component has no database of that name yet;
//   2. opens the file with the static key of CDataEncryptionMgr (creating it when
//      missing); a file that does not open with that key, or fails SQLite's page check, is
//      moved to the maintenance directory as "<name>.corrupt-<yyyyMMdd-HHmmss>" and a new
//      database takes its place;
//   3. copies a non-empty file about to be migrated to the maintenance directory as
//      "<name>.v<version>-<yyyyMMdd-HHmmss>.bak", then applies each missing migration in a
//      transaction of its own, version number included;
//   4. refuses a file whose version is newer than the schema knows (left untouched).
// Every step is logged. The first name that fails ends the check with its reason.

#include <DatabaseUpdate/DatabaseUpdateExport.h>

#include <string>
#include <vector>

namespace DatabaseUpdate {

struct DATABASEUPDATE_EXPORT DBMigration
{
    int version = 0;
    /// A short text for the log ("Template table").
    std::string description;
    /// Statements without parameters, separated by ';'.
    std::string sql;
};

struct DATABASEUPDATE_EXPORT DBCheckParams
{
    /// Directory of the databases (ends with '/'); created when missing.
    std::string dataPath;
    /// Where backups and files that did not open are kept (ends with '/'); created when missing.
    std::string maintainPath;
    /// Where a database to take over may be placed (ends with '/'); may be empty.
    std::string importPath;
    /// Database names; each is a file name inside dataPath.
    std::vector<std::string> names;
};

class DATABASEUPDATE_EXPORT CDBCheckImplHelper
{
public:
    /// Registers (or replaces) the schema of a database name. Migrations must be numbered
    /// 1, 2, ... without gaps; registering anything else fails.
    static bool registerSchema(const std::string &name, const std::vector<DBMigration> &migrations);
    static void unregisterSchema(const std::string &name);
    /// The version a database of this name reaches; 0 without a registered schema.
    static int latestVersion(const std::string &name);

    /// Checks and updates every database of params.names (see above). False with the
    /// reason in errorText on the first one that fails. Safe from any thread; checks run
    /// one at a time.
    static bool checkAndUpdateDB(std::string &errorText, const DBCheckParams &params);
};

} // namespace DatabaseUpdate
