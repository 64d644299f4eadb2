#pragma once
// Thin owner of one SQLite (SQLCipher, no key) connection: prepared statements with
// bound parameters only, and transactions that roll back unless committed.

#include <cstdint>
#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace qorvaserver {

class CDatabase
{
public:
    /// One prepared statement; parameters are 1-based as in SQLite.
    class Statement
    {
    public:
        Statement(sqlite3 *db, const char *sql);
        ~Statement();
        Statement(const Statement &) = delete;
        Statement &operator=(const Statement &) = delete;

        bool valid() const { return m_stmt != nullptr; }
        Statement &bind(int index, const std::string &text);
        Statement &bind(int index, std::int64_t value);
        Statement &bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
        Statement &bindNull(int index);
        /// True while a row is available; false at the end or on error (see failed()).
        bool step();
        /// True when the last step ended with an error.
        bool failed() const { return m_failed; }
        /// Runs to completion; false on error.
        bool run();
        void reset();
        std::string text(int column) const;
        std::int64_t int64(int column) const;
        int int32(int column) const { return static_cast<int>(int64(column)); }

    private:
        sqlite3_stmt *m_stmt = nullptr;
        bool m_failed = false;
    };

    /// Rolls back on destruction unless commit() succeeded.
    class Transaction
    {
    public:
        explicit Transaction(CDatabase &db);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        bool active() const { return m_active; }
        bool commit();

    private:
        CDatabase &m_db;
        bool m_active = false;
    };

    CDatabase() = default;
    ~CDatabase();
    CDatabase(const CDatabase &) = delete;
    CDatabase &operator=(const CDatabase &) = delete;

    /// Opens (creating) the file and checks its pages; false with the reason logged and in
    /// openError(). A file that opens but fails the check is closed again: damaged() tells.
    bool open(const std::string &path);
    /// Why the last open() failed; empty after a good one.
    const std::string &openError() const { return m_openError; }
    /// The last open() failed because the file is damaged (not merely unreadable).
    bool damaged() const { return m_damaged; }
    void close();
    bool isOpen() const { return m_db != nullptr; }
    /// Runs one or more statements without parameters; false on error (logged).
    bool exec(const char *sql);
    std::unique_ptr<Statement> prepare(const char *sql);
    /// Single integer of a query without parameters; fallback when there is no row.
    std::int64_t scalar(const char *sql, std::int64_t fallback = 0);
    std::int64_t lastInsertRowId() const;
    int changes() const;
    std::string lastError() const;

private:
    /// Empty when the page check passes, otherwise what it found.
    std::string pageProblems();

    sqlite3 *m_db = nullptr;
    std::string m_openError;
    bool m_damaged = false;
};

} // namespace qorvaserver
