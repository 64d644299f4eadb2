#include <Sqlite3DO/SQLite3Conn.h>

#include "testsupport/TempDir.h"
#include "testsupport/Wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>

using Sqlite3DO::CSQLite3Conn;
using Sqlite3DO::CSQlite3Error;
using Sqlite3DO::CSQLiteRows;
using Sqlite3DO::CSQLiteValue;

namespace {

const char kKey[] = "q1ZbqX3k9mH4t2J8c0vYw6s5R7a1P0o9N8m7L6k5J4I=";

std::string firstBytes(const std::string &path, std::size_t n)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::vector<std::string> names(CSQLite3Conn &conn)
{
    CSQLiteRows rows;
    EXPECT_TRUE(conn.Query("SELECT Name FROM T ORDER BY ID;", {}, rows));
    std::vector<std::string> out;
    for (const auto &row : rows)
        out.push_back(row.value("name").toText());
    return out;
}

class Sqlite3DOTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CSQLite3Conn::SetStaticKey(std::string());
        m_path = testsupport::pathIn(*m_dir, "db");
    }
    void TearDown() override { CSQLite3Conn::SetStaticKey(std::string()); }

    void createTable(CSQLite3Conn &conn)
    {
        ASSERT_TRUE(conn.ExecuteScript(
            "CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT);"));
    }

    std::unique_ptr<QTemporaryDir> m_dir = testsupport::makeTempDir(QStringLiteral("sqlite3do"));
    std::string m_path;
};

} // namespace

TEST_F(Sqlite3DOTest, KeyedFileIsEncryptedAndOpensOnlyWithItsKey)
{
    {
        CSQLite3Conn conn;
        conn.Open(m_path, true, kKey);
        createTable(conn);
        ASSERT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {"secret"}));
    }
    const std::string header = firstBytes(m_path, 16);
    ASSERT_EQ(header.size(), 16u);
    EXPECT_NE(header, std::string("SQLite format 3\0", 16));

    // Keying itself never fails: the check right after it must catch a wrong or missing key.
    for (const std::string &wrong : {std::string(), std::string("another key")}) {
        CSQLite3Conn conn;
        try {
            conn.Open(m_path, false, wrong);
            FAIL() << "opened with key [" << wrong << "]";
        } catch (const CSQlite3Error &e) {
            EXPECT_EQ(e.code(), CSQLite3Conn::kErrorNotADatabase);
            EXPECT_NE(std::string(e.what()).find(m_path), std::string::npos);
        }
        EXPECT_FALSE(conn.IsOpen());
        std::string message;
        EXPECT_EQ(conn.GetLastErrorCode(message), CSQLite3Conn::kErrorNotADatabase);
    }

    // The static key serves Open() calls that pass none; an explicit key wins over it.
    CSQLite3Conn::SetStaticKey(kKey);
    CSQLite3Conn conn;
    conn.Open(m_path, false, std::string());
    EXPECT_EQ(names(conn), std::vector<std::string>{"secret"});
    EXPECT_THROW(conn.Open(m_path, false, "another key"), CSQlite3Error);
    EXPECT_FALSE(conn.IsOpen());
}

TEST_F(Sqlite3DOTest, OpenFailures)
{
    CSQLite3Conn conn;
    EXPECT_THROW(conn.Open(m_path, false, kKey), CSQlite3Error); // missing, no create
    {
        std::ofstream garbage(m_path, std::ios::binary);
        garbage << std::string(4096, 'x');
    }
    EXPECT_THROW(conn.Open(m_path, false, std::string()), CSQlite3Error);
    // Statements on a closed connection fail with a reason instead of crashing.
    EXPECT_FALSE(conn.Execute("SELECT 1;"));
    std::string message;
    EXPECT_EQ(conn.GetLastErrorCode(message), CSQLite3Conn::kErrorMisuse);
    EXPECT_FALSE(message.empty());
}

TEST_F(Sqlite3DOTest, BoundTextIsStoredVerbatim)
{
    CSQLite3Conn conn;
    conn.Open(m_path, true, kKey);
    createTable(conn);
    const std::vector<std::string> texts = {"O'Brien", "访客管理 模板", "x'); DROP TABLE T; --", "",
                                            "a\"b\\c"};
    for (const auto &text : texts)
        ASSERT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {text}));
    EXPECT_EQ(names(conn), texts);

    CSQLiteRows rows;
    ASSERT_TRUE(conn.Query("SELECT ID, Name, NULL AS Nothing, 2.5 AS Real FROM T WHERE Name = ?1;",
                           {"O'Brien"}, rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value("ID").type(), CSQLiteValue::Type::Integer);
    EXPECT_TRUE(rows[0].value("Nothing").isNull());
    EXPECT_TRUE(rows[0].value("NoSuchColumn").isNull());
    EXPECT_DOUBLE_EQ(rows[0].value("Real").toDouble(), 2.5);
    EXPECT_EQ(conn.LastInsertRowId(), 5);
}

TEST_F(Sqlite3DOTest, MalformedCallsFailWithAReason)
{
    CSQLite3Conn conn;
    conn.Open(m_path, true, kKey);
    createTable(conn);
    std::string message;

    // A second statement would run without the parameters: refused whole.
    EXPECT_FALSE(conn.Execute("INSERT INTO T (Name) VALUES (?1); DELETE FROM T;", {"x"}));
    EXPECT_EQ(conn.GetLastErrorCode(message), CSQLite3Conn::kErrorMisuse);
    EXPECT_FALSE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {}));
    EXPECT_NE(conn.GetLastErrorCode(message), 0);
    EXPECT_NE(message.find("1 parameters, 0 given"), std::string::npos) << message;
    EXPECT_FALSE(conn.Execute("INSERT INTO Missing VALUES (1);"));
    EXPECT_EQ(conn.GetLastErrorCode(message), 1);
    EXPECT_NE(message.find("Missing"), std::string::npos) << message;
    EXPECT_TRUE(names(conn).empty());

    // The last error belongs to the thread that made the call, and success clears it.
    std::thread([&conn] {
        std::string other;
        EXPECT_EQ(conn.GetLastErrorCode(other), 0);
    }).join();
    EXPECT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {"ok"}));
    EXPECT_EQ(conn.GetLastErrorCode(message), 0);
}

TEST_F(Sqlite3DOTest, TransactionBelongsToTheThreadThatBegan)
{
    CSQLite3Conn conn;
    conn.Open(m_path, true, kKey);
    createTable(conn);

    ASSERT_TRUE(conn.Begin());
    EXPECT_FALSE(conn.Begin()); // no nesting
    ASSERT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {"dropped"}));
    ASSERT_TRUE(conn.Rollback());
    EXPECT_TRUE(names(conn).empty());

    ASSERT_TRUE(conn.Begin());
    ASSERT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {"first"}));
    std::atomic<bool> otherDone{false};
    std::thread other([&] {
        // Waits for the commit instead of slipping into the open transaction.
        EXPECT_FALSE(conn.Commit());
        EXPECT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {"second"}));
        otherDone = true;
    });
    ASSERT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {"first too"}));
    EXPECT_FALSE(otherDone.load());
    ASSERT_TRUE(conn.Commit());
    EXPECT_TRUE(testsupport::waitUntil([&] { return otherDone.load(); }));
    other.join();
    EXPECT_EQ(names(conn), (std::vector<std::string>{"first", "first too", "second"}));
}
