#include <Sqlite3DO/SQLite3Conn.h>

#include <sqlite3.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace Sqlite3DO {

namespace {

// How long a statement waits for another process's lock on the file.
constexpr std::chrono::milliseconds kBusyTimeout(5000);
// How long a thread waits for another thread's transaction on the same connection.
constexpr std::chrono::milliseconds kTurnTimeout(30000);

std::mutex g_staticKeyMutex;
std::string g_staticKey;

std::string staticKey()
{
    std::lock_guard<std::mutex> lock(g_staticKeyMutex);
    return g_staticKey;
}

bool onlySeparatorsLeft(const char *tail)
{
    for (; tail && *tail; ++tail) {
        const char c = *tail;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != ';')
            return false;
    }
    return true;
}

CSQLiteValue columnValue(sqlite3_stmt *stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return CSQLiteValue(static_cast<std::int64_t>(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return CSQLiteValue(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
        return CSQLiteValue(std::string(
            text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))));
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt, column));
        const int size = sqlite3_column_bytes(stmt, column);
        return CSQLiteValue::Blob(data ? std::string(data, static_cast<std::size_t>(size))
                                       : std::string());
    }
    default:
        return CSQLiteValue();
    }
}

int bindValue(sqlite3_stmt *stmt, int index, const CSQLiteValue &value)
{
    switch (value.type()) {
    case CSQLiteValue::Type::Integer:
        return sqlite3_bind_int64(stmt, index, value.toInt64());
    case CSQLiteValue::Type::Real:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    case CSQLiteValue::Type::Text: {
        const std::string text = value.toText();
        return sqlite3_bind_text64(stmt, index, text.data(), text.size(), SQLITE_TRANSIENT,
                                   SQLITE_UTF8);
    }
    case CSQLiteValue::Type::Blob: {
        const std::string bytes = value.toText();
        return sqlite3_bind_blob64(stmt, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    }
    default:
        return sqlite3_bind_null(stmt, index);
    }
}

} // namespace

CSQlite3Error::CSQlite3Error(int code, const std::string &message)
    : std::runtime_error(message), m_code(code)
{}

CSQlite3Error::~CSQlite3Error() = default;

struct CSQLite3Conn::Impl
{
    std::mutex mutex;
    std::condition_variable txnDone;
    sqlite3 *db = nullptr;
    std::string path;
    bool inTxn = false;
    std::thread::id txnOwner;
    std::map<std::thread::id, std::pair<int, std::string>> errors;

    void setError(int code, const std::string &message)
    {
        errors[std::this_thread::get_id()] = {code, message};
    }

    bool failFromDb(int code)
    {
        setError(code, db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
        return false;
    }

    // Lets a thread in only when no other thread's transaction holds the connection.
    bool waitForTurn(std::unique_lock<std::mutex> &lock)
    {
        const auto self = std::this_thread::get_id();
        if (txnDone.wait_for(lock, kTurnTimeout, [&] { return !inTxn || txnOwner == self; }))
            return true;
        setError(kErrorBusy, "the connection is in another thread's transaction");
        return false;
    }

    void endTxnIfFinished()
    {
        if (inTxn && (!db || sqlite3_get_autocommit(db) != 0)) {
            inTxn = false;
            txnOwner = std::thread::id();
            txnDone.notify_all();
        }
    }

    bool endTxn(const char *sql, const char *what)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!inTxn || txnOwner != std::this_thread::get_id()) {
            setError(kErrorMisuse, std::string("no transaction of this thread to ") + what);
            return false;
        }
        const bool ok = run(sql, CSQLiteParams(), nullptr);
        endTxnIfFinished();
        return ok;
    }

    void close()
    {
        if (db) {
            sqlite3_close_v2(db);
            db = nullptr;
        }
        path.clear();
        endTxnIfFinished();
    }

    bool run(const std::string &sql, const CSQLiteParams &params, CSQLiteRows *rows)
    {
        if (!db) {
            setError(kErrorMisuse, "the database is not open");
            return false;
        }
        sqlite3_stmt *stmt = nullptr;
        const char *tail = nullptr;
        int rc =
            sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()) + 1, &stmt, &tail);
        if (rc != SQLITE_OK)
            return failFromDb(rc);
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> guard(stmt, sqlite3_finalize);
        if (!stmt) {
            setError(kErrorMisuse, "no statement in [" + sql + "]");
            return false;
        }
        // Parameters bind to the first statement only: a second one would run unbound.
        if (!onlySeparatorsLeft(tail)) {
            setError(kErrorMisuse, "more than one statement in [" + sql + "]");
            return false;
        }
        const int expected = sqlite3_bind_parameter_count(stmt);
        if (expected != static_cast<int>(params.size())) {
            setError(kErrorMisuse, "[" + sql + "] takes " + std::to_string(expected) +
                                       " parameters, " + std::to_string(params.size()) + " given");
            return false;
        }
        for (std::size_t i = 0; i < params.size(); ++i) {
            rc = bindValue(stmt, static_cast<int>(i) + 1, params[i]);
            if (rc != SQLITE_OK)
                return failFromDb(rc);
        }
        std::shared_ptr<std::vector<std::string>> names;
        const int columns = sqlite3_column_count(stmt);
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (!rows)
                continue;
            if (!names) {
                names = std::make_shared<std::vector<std::string>>();
                for (int c = 0; c < columns; ++c) {
                    const char *name = sqlite3_column_name(stmt, c);
                    names->push_back(name ? name : "");
                }
            }
            std::vector<CSQLiteValue> values;
            values.reserve(static_cast<std::size_t>(columns));
            for (int c = 0; c < columns; ++c)
                values.push_back(columnValue(stmt, c));
            rows->emplace_back(names, std::move(values));
        }
        if (rc != SQLITE_DONE)
            return failFromDb(rc);
        setError(0, std::string());
        return true;
    }
};

void CSQLite3Conn::SetStaticKey(const std::string &key)
{
    std::lock_guard<std::mutex> lock(g_staticKeyMutex);
    g_staticKey = key;
}

bool CSQLite3Conn::HasStaticKey()
{
    std::lock_guard<std::mutex> lock(g_staticKeyMutex);
    return !g_staticKey.empty();
}

CSQLite3Conn::CSQLite3Conn() : d(new Impl) {}

CSQLite3Conn::~CSQLite3Conn()
{
    // No logging here: instances may live until static destruction.
    std::lock_guard<std::mutex> lock(d->mutex);
    d->close();
}

void CSQLite3Conn::Open(const std::string &path, bool bCreate, const std::string &key)
{
    std::unique_lock<std::mutex> lock(d->mutex);
    if (!d->waitForTurn(lock))
        throw CSQlite3Error(kErrorBusy, "the connection is in another thread's transaction");
    d->close();

    auto fail = [this, &path](sqlite3 *db, int code) {
        const std::string message =
            std::string(db ? sqlite3_errmsg(db) : sqlite3_errstr(code)) + " [" + path + "]";
        sqlite3_close_v2(db);
        d->setError(code, message);
        throw CSQlite3Error(code, message);
    };

    sqlite3 *db = nullptr;
    const int flags =
        SQLITE_OPEN_READWRITE | (bCreate ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_FULLMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK)
        fail(db, rc);
    const std::string effectiveKey = key.empty() ? staticKey() : key;
    if (!effectiveKey.empty()) {
        rc = sqlite3_key(db, effectiveKey.data(), static_cast<int>(effectiveKey.size()));
        if (rc != SQLITE_OK)
            fail(db, rc);
    }
    // Keying never fails by itself: the first read of a page tells whether the key fits.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(db, rc);
    sqlite3_busy_timeout(db, static_cast<int>(kBusyTimeout.count()));
    d->db = db;
    d->path = path;
    d->setError(0, std::string());
}

void CSQLite3Conn::Close()
{
    std::unique_lock<std::mutex> lock(d->mutex);
    // A transaction still open after the wait is rolled back by the close.
    d->waitForTurn(lock);
    d->close();
}

bool CSQLite3Conn::IsOpen() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->db != nullptr;
}

std::string CSQLite3Conn::GetPath() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->path;
}

bool CSQLite3Conn::Execute(const std::string &sql, const CSQLiteParams &params)
{
    std::unique_lock<std::mutex> lock(d->mutex);
    if (!d->waitForTurn(lock))
        return false;
    const bool ok = d->run(sql, params, nullptr);
    // A statement may end the transaction itself (COMMIT, or a rollback after an error).
    d->endTxnIfFinished();
    return ok;
}

bool CSQLite3Conn::Query(const std::string &sql, const CSQLiteParams &params, CSQLiteRows &rows)
{
    rows.clear();
    std::unique_lock<std::mutex> lock(d->mutex);
    if (!d->waitForTurn(lock))
        return false;
    const bool ok = d->run(sql, params, &rows);
    d->endTxnIfFinished();
    if (!ok)
        rows.clear();
    return ok;
}

bool CSQLite3Conn::ExecuteScript(const std::string &sql)
{
    std::unique_lock<std::mutex> lock(d->mutex);
    if (!d->waitForTurn(lock))
        return false;
    if (!d->db) {
        d->setError(kErrorMisuse, "the database is not open");
        return false;
    }
    const int rc = sqlite3_exec(d->db, sql.c_str(), nullptr, nullptr, nullptr);
    const bool ok = rc == SQLITE_OK ? (d->setError(0, std::string()), true) : d->failFromDb(rc);
    d->endTxnIfFinished();
    return ok;
}

bool CSQLite3Conn::Begin()
{
    std::unique_lock<std::mutex> lock(d->mutex);
    if (!d->waitForTurn(lock))
        return false;
    if (d->inTxn) {
        d->setError(kErrorMisuse, "a transaction is already open");
        return false;
    }
    if (!d->run("BEGIN IMMEDIATE;", CSQLiteParams(), nullptr))
        return false;
    d->inTxn = true;
    d->txnOwner = std::this_thread::get_id();
    return true;
}

bool CSQLite3Conn::Commit()
{
    return d->endTxn("COMMIT;", "commit");
}

bool CSQLite3Conn::Rollback()
{
    return d->endTxn("ROLLBACK;", "roll back");
}

std::int64_t CSQLite3Conn::LastInsertRowId() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->db ? sqlite3_last_insert_rowid(d->db) : 0;
}

int CSQLite3Conn::Changes() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->db ? sqlite3_changes(d->db) : 0;
}

int CSQLite3Conn::GetLastErrorCode(std::string &message) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    const auto it = d->errors.find(std::this_thread::get_id());
    if (it == d->errors.end()) {
        message.clear();
        return 0;
    }
    message = it->second.second;
    return it->second.first;
}

} // namespace Sqlite3DO
