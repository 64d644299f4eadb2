#include "Database.h"

#include <Base/Log.h>

#include <sqlite3.h>

namespace qorvaserver {

CDatabase::Statement::Statement(sqlite3 *db, const char *sql)
{
    if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
        LOG_ERROR("Failed to prepare a statement: %s [%s].", sqlite3_errmsg(db), sql);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

CDatabase::Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

CDatabase::Statement &CDatabase::Statement::bind(int index, const std::string &text)
{
    if (m_stmt != nullptr)
        sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

CDatabase::Statement &CDatabase::Statement::bind(int index, std::int64_t value)
{
    if (m_stmt != nullptr)
        sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

CDatabase::Statement &CDatabase::Statement::bindNull(int index)
{
    if (m_stmt != nullptr)
        sqlite3_bind_null(m_stmt, index);
    return *this;
}

bool CDatabase::Statement::step()
{
    if (m_stmt == nullptr) {
        m_failed = true;
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        m_failed = true;
        LOG_ERROR("Failed to run a statement: %s.", sqlite3_errmsg(sqlite3_db_handle(m_stmt)));
    }
    return false;
}

bool CDatabase::Statement::run()
{
    while (step()) {
    }
    return !m_failed;
}

void CDatabase::Statement::reset()
{
    if (m_stmt != nullptr) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    m_failed = false;
}

std::string CDatabase::Statement::text(int column) const
{
    const unsigned char *value = sqlite3_column_text(m_stmt, column);
    if (value == nullptr)
        return std::string();
    return std::string(reinterpret_cast<const char *>(value),
                       static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
}

std::int64_t CDatabase::Statement::int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

CDatabase::Transaction::Transaction(CDatabase &db) : m_db(db)
{
    m_active = m_db.exec("BEGIN IMMEDIATE");
}

CDatabase::Transaction::~Transaction()
{
    if (m_active)
        m_db.exec("ROLLBACK");
}

bool CDatabase::Transaction::commit()
{
    if (!m_active)
        return false;
    if (!m_db.exec("COMMIT"))
        return false; // the destructor rolls back what is left
    m_active = false;
    return true;
}

CDatabase::~CDatabase()
{
    close();
}

bool CDatabase::open(const std::string &path)
{
    close();
    m_openError.clear();
    m_damaged = false;
    const int rc = sqlite3_open_v2(path.c_str(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        m_openError = m_db != nullptr ? sqlite3_errmsg(m_db) : "out of memory";
        LOG_ERROR("Failed to open the server database [%s]: %s.", path.c_str(),
                  m_openError.c_str());
        close();
        return false;
    }
    sqlite3_busy_timeout(m_db, 5000);
    // A file that is not a database fails here rather than on the first request.
    if (!exec("PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;")) {
        m_openError = lastError();
        close();
        return false;
    }
    // A file with a valid header but broken pages opens fine and fails (or, worse, answers
    // with half the rows) only when a request reaches the broken page: look at every page now.
    const std::string problems = pageProblems();
    if (!problems.empty()) {
        m_openError = problems;
        m_damaged = true;
        LOG_ERROR("The server database [%s] is damaged: %s.", path.c_str(), problems.c_str());
        close();
        return false;
    }
    return true;
}

std::string CDatabase::pageProblems()
{
    // A few findings are enough to tell the operator; the full list can be long.
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA quick_check(5)", -1, &stmt, nullptr) != SQLITE_OK)
        return sqlite3_errmsg(m_db);
    std::string problems;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const unsigned char *text = sqlite3_column_text(stmt, 0);
        std::string row = text != nullptr ? reinterpret_cast<const char *>(text) : "";
        if (row == "ok")
            continue;
        // One line for the log and the operator: findings come as lines under a heading.
        static const std::string heading = "*** in database main ***";
        if (row.compare(0, heading.size(), heading) == 0)
            row.erase(0, heading.size());
        std::string line;
        for (const char c : row) {
            if (c != '\n')
                line += c;
            else if (!line.empty() && line.back() != ' ')
                line += "; ";
        }
        row = line;
        if (row.empty())
            continue;
        if (!problems.empty())
            problems += "; ";
        problems += row;
    }
    if (rc != SQLITE_DONE && problems.empty())
        problems = sqlite3_errmsg(m_db);
    sqlite3_finalize(stmt);
    return problems;
}

void CDatabase::close()
{
    if (m_db != nullptr) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool CDatabase::exec(const char *sql)
{
    if (m_db == nullptr)
        return false;
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        LOG_ERROR("Failed to run [%.80s]: %s.", sql, error != nullptr ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

std::unique_ptr<CDatabase::Statement> CDatabase::prepare(const char *sql)
{
    return std::make_unique<Statement>(m_db, sql);
}

std::int64_t CDatabase::scalar(const char *sql, std::int64_t fallback)
{
    Statement st(m_db, sql);
    if (st.step())
        return st.int64(0);
    return fallback;
}

std::int64_t CDatabase::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int CDatabase::changes() const
{
    return sqlite3_changes(m_db);
}

std::string CDatabase::lastError() const
{
    return m_db != nullptr ? sqlite3_errmsg(m_db) : "not open";
}

} // namespace qorvaserver
