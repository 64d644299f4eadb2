#pragma once
// One connection to an SQLite database file, encrypted by SQLCipher.
//
// Keys: Open() keys the connection with its own key, or with the process-wide static key
// (SetStaticKey) when given none. With neither, the file is an ordinary SQLite file;
// callers that must never write plain data check HasStaticKey() first. A key is checked
// by a query right after keying, so a wrong key (or a file that is no database) fails in
// Open() and never later.
//
// Statements take their values as bound parameters only: text never becomes part of the
// SQL. Every member may be called from any thread; calls are serialised, and between
// Begin() and Commit()/Rollback() the connection belongs to the thread that began (other
// threads wait for it, at most 30 s, then fail with SQLITE_BUSY).

#include <Sqlite3DO/SQLiteValue.h>
#include <Sqlite3DO/Sqlite3DOExport.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace Sqlite3DO {

/// An error of the access library: the SQLite result code and its message.
class SQLITE3DO_EXPORT CSQlite3Error : public std::runtime_error
{
public:
    CSQlite3Error(int code, const std::string &message);
    // Out of line so that its typeinfo lives in this library alone.
    ~CSQlite3Error() override;
    int code() const noexcept { return m_code; }

private:
    int m_code;
};

class SQLITE3DO_EXPORT CSQLite3Conn
{
public:
    /// Result codes of the library's own failures (SQLite's own codes otherwise).
    static constexpr int kErrorBusy = 5;          // SQLITE_BUSY
    static constexpr int kErrorMisuse = 21;       // SQLITE_MISUSE: not open, nested Begin()
    static constexpr int kErrorNotADatabase = 26; // SQLITE_NOTADB: wrong key or no database

    /// The key used by Open() calls that pass none. Process-wide; set it before the first
    /// Open(). An empty key clears it.
    static void SetStaticKey(const std::string &key);
    static bool HasStaticKey();

    CSQLite3Conn();
    virtual ~CSQLite3Conn();
    CSQLite3Conn(const CSQLite3Conn &) = delete;
    CSQLite3Conn &operator=(const CSQLite3Conn &) = delete;

    /// Opens the file (bCreate: create it when missing), keys it (key, else the static
    /// key, else no key) and checks the key by reading the schema. Throws CSQlite3Error
    /// when the file cannot be opened or the key does not fit (code SQLITE_NOTADB); the
    /// connection is then closed. An open connection is closed first.
    void Open(const std::string &path, bool bCreate, const std::string &key);
    void Close();
    bool IsOpen() const;
    std::string GetPath() const;

    /// Runs one statement with its parameters bound in order (?1, ?2, ...). False on
    /// error, with the reason in GetLastErrorCode().
    bool Execute(const std::string &sql, const CSQLiteParams &params = CSQLiteParams());
    /// Runs one query and collects its rows (rows is cleared first).
    bool Query(const std::string &sql, const CSQLiteParams &params, CSQLiteRows &rows);
    /// Runs statements without parameters, separated by ';' (schema scripts).
    bool ExecuteScript(const std::string &sql);

    /// BEGIN IMMEDIATE: from here until Commit()/Rollback() the connection is the
    /// calling thread's. False when a transaction of this thread is already open.
    bool Begin();
    bool Commit();
    bool Rollback();

    /// Row id of the last insert on this connection; rows changed by the last statement.
    /// Another thread's statement may come in between: read them inside a transaction.
    std::int64_t LastInsertRowId() const;
    int Changes() const;

    /// The last failure of a call made by the calling thread on this connection: its
    /// code (0 when the last call succeeded) and message.
    int GetLastErrorCode(std::string &message) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace Sqlite3DO
