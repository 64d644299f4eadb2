#include <DatabaseUpdate/DBCheckImplHelper.h>

#include <DatabaseUpdate/DataEncryptionMgr.h>

#include <Sqlite3DO/SQLite3Conn.h>

#include <Base/Log.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>

namespace DatabaseUpdate {

namespace {

namespace fs = std::filesystem;

constexpr int kSqliteCorrupt = 11;

std::mutex g_schemaMutex;
std::map<std::string, std::vector<DBMigration>> g_schemas;

// One check at a time: two would race for the same files.
std::mutex g_checkMutex;

bool validName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

std::string timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof(buf), "%Y%m%d-%H%M%S", &local);
    return buf;
}

// base, or base-1, base-2, ... when a file of that name exists (two in one second).
std::string freePath(const std::string &base)
{
    std::error_code ec;
    std::string path = base;
    for (int n = 1; fs::exists(path, ec); ++n)
        path = base + "-" + std::to_string(n);
    return path;
}

bool ensureDirectory(const std::string &dir, std::string &errorText)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) {
        errorText = "cannot create the directory [" + dir + "]";
        return false;
    }
    return true;
}

// SQLite's side files go with the database: a stale journal must never meet a new file.
const char *const kSideFiles[] = {"-journal", "-wal", "-shm"};

bool moveAside(const std::string &file, const std::string &target, std::string &errorText)
{
    std::error_code ec;
    fs::rename(file, target, ec);
    if (ec) {
        errorText = "cannot move [" + file + "] to [" + target + "]: " + ec.message();
        return false;
    }
    for (const char *suffix : kSideFiles) {
        if (fs::exists(file + suffix, ec))
            fs::rename(file + suffix, target + suffix, ec);
    }
    return true;
}

bool fileHasContent(const std::string &file)
{
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    return !ec && size > 0;
}

// Opens file; a file that does not open with the key or fails the page check is moved
// to the maintenance directory and replaced by a new database.
bool openOrReplace(Sqlite3DO::CSQLite3Conn &conn, const std::string &name, const std::string &file,
                   const std::string &key, const DBCheckParams &params, std::string &errorText)
{
    std::string problem;
    try {
        conn.Open(file, true, key);
        Sqlite3DO::CSQLiteRows rows;
        if (!conn.Query("PRAGMA quick_check(1);", {}, rows)) {
            std::string message;
            conn.GetLastErrorCode(message);
            problem = "page check failed: " + message;
        } else if (rows.empty() || rows.front().at(0).toText() != "ok") {
            problem = "page check: " +
                      (rows.empty() ? std::string("no answer") : rows.front().at(0).toText());
        }
    } catch (const Sqlite3DO::CSQlite3Error &e) {
        if (e.code() != Sqlite3DO::CSQLite3Conn::kErrorNotADatabase && e.code() != kSqliteCorrupt) {
            errorText = "cannot open [" + file + "]: " + e.what();
            return false;
        }
        problem = e.what();
    }
    if (problem.empty())
        return true;

    conn.Close();
    const std::string target = freePath(params.maintainPath + name + ".corrupt-" + timestamp());
    if (!moveAside(file, target, errorText))
        return false;
    LOG_ERROR("Database [%s] does not open with its key or is damaged (%s); kept as [%s], a new "
              "one replaces it.",
              file.c_str(), problem.c_str(), target.c_str());
    try {
        conn.Open(file, true, key);
    } catch (const Sqlite3DO::CSQlite3Error &e) {
        errorText = "cannot create [" + file + "]: " + e.what();
        return false;
    }
    return true;
}

bool migrate(Sqlite3DO::CSQLite3Conn &conn, const std::string &name, const std::string &file,
             int version, const std::vector<DBMigration> &migrations, const DBCheckParams &params,
             std::string &errorText)
{
    if (fileHasContent(file)) {
        const std::string backup = freePath(params.maintainPath + name + ".v" +
                                            std::to_string(version) + "-" + timestamp() + ".bak");
        std::error_code ec;
        // Nothing writes between the checks: the file on disk is consistent.
        fs::copy_file(file, backup, ec);
        if (ec) {
            errorText = "cannot back up [" + file + "] before migrating it: " + ec.message();
            return false;
        }
        LOG_INFO("Database [%s] at version %d backed up to [%s].", name.c_str(), version,
                 backup.c_str());
    }
    for (const DBMigration &m : migrations) {
        if (m.version <= version)
            continue;
        std::string message;
        const bool ok = conn.Begin() && conn.ExecuteScript(m.sql) &&
                        conn.Execute("PRAGMA user_version = " + std::to_string(m.version) + ";") &&
                        conn.Commit();
        if (!ok) {
            conn.GetLastErrorCode(message);
            conn.Rollback();
            errorText = "migration " + std::to_string(m.version) + " (" + m.description + ") of [" +
                        name + "] failed: " + message;
            return false;
        }
        LOG_INFO("Database [%s] migrated to version %d (%s).", name.c_str(), m.version,
                 m.description.c_str());
    }
    return true;
}

bool checkOne(const std::string &name, const std::vector<DBMigration> &migrations,
              const std::string &key, const DBCheckParams &params, std::string &errorText)
{
    const std::string file = params.dataPath + name;
    std::error_code ec;
    if (!fs::exists(file, ec) && !params.importPath.empty() &&
        fs::is_regular_file(params.importPath + name, ec)) {
        fs::copy_file(params.importPath + name, file, ec);
        if (ec) {
            errorText = "cannot take over [" + params.importPath + name + "]: " + ec.message();
            return false;
        }
        LOG_INFO("Database [%s] taken over from [%s].", name.c_str(),
                 (params.importPath + name).c_str());
    }

    Sqlite3DO::CSQLite3Conn conn;
    if (!openOrReplace(conn, name, file, key, params, errorText))
        return false;
    Sqlite3DO::CSQLiteRows rows;
    if (!conn.Query("PRAGMA user_version;", {}, rows) || rows.empty()) {
        std::string message;
        conn.GetLastErrorCode(message);
        errorText = "cannot read the version of [" + name + "]: " + message;
        return false;
    }
    const int version = static_cast<int>(rows.front().at(0).toInt64());
    const int latest = migrations.back().version;
    if (version > latest) {
        errorText = "[" + name + "] has schema version " + std::to_string(version) +
                    ", newer than the " + std::to_string(latest) + " this program knows";
        return false;
    }
    if (version < latest && !migrate(conn, name, file, version, migrations, params, errorText))
        return false;
    LOG_INFO("Database [%s] checked at version %d.", name.c_str(), latest);
    return true;
}

} // namespace

bool CDBCheckImplHelper::registerSchema(const std::string &name,
                                        const std::vector<DBMigration> &migrations)
{
    if (!validName(name) || migrations.empty())
        return false;
    for (std::size_t i = 0; i < migrations.size(); ++i) {
        if (migrations[i].version != static_cast<int>(i) + 1)
            return false;
    }
    std::lock_guard<std::mutex> lock(g_schemaMutex);
    g_schemas[name] = migrations;
    return true;
}

void CDBCheckImplHelper::unregisterSchema(const std::string &name)
{
    std::lock_guard<std::mutex> lock(g_schemaMutex);
    g_schemas.erase(name);
}

int CDBCheckImplHelper::latestVersion(const std::string &name)
{
    std::lock_guard<std::mutex> lock(g_schemaMutex);
    const auto it = g_schemas.find(name);
    return it == g_schemas.end() ? 0 : it->second.back().version;
}

bool CDBCheckImplHelper::checkAndUpdateDB(std::string &errorText, const DBCheckParams &params)
{
    errorText.clear();
    std::lock_guard<std::mutex> check(g_checkMutex);
    const CDataEncryptionMgr &encryption = CDataEncryptionMgr::Instance();
    const std::string key = encryption.GetStaticKey();
    if (key.empty() && !encryption.AllowsPlainDatabases()) {
        errorText = "no database key: the encryption manager is not initialised";
        return false;
    }
    if (params.dataPath.empty() || params.maintainPath.empty()) {
        errorText = "no data or maintenance directory given";
        return false;
    }
    if (!ensureDirectory(params.dataPath, errorText) ||
        !ensureDirectory(params.maintainPath, errorText))
        return false;
    for (const std::string &name : params.names) {
        if (!validName(name)) {
            errorText = "invalid database name [" + name + "]";
            return false;
        }
        std::vector<DBMigration> migrations;
        {
            std::lock_guard<std::mutex> lock(g_schemaMutex);
            const auto it = g_schemas.find(name);
            if (it != g_schemas.end())
                migrations = it->second;
        }
        if (migrations.empty()) {
            errorText = "no schema is registered for [" + name + "]";
            return false;
        }
        if (!checkOne(name, migrations, key, params, errorText))
            return false;
    }
    return true;
}

} // namespace DatabaseUpdate
