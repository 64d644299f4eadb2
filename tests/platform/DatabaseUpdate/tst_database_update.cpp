#include <DatabaseUpdate/DBCheckImplHelper.h>
#include <DatabaseUpdate/DataEncryptionMgr.h>

#include <Sqlite3DO/SQLite3Conn.h>

#include "testsupport/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <fstream>

using DatabaseUpdate::CDataEncryptionMgr;
using DatabaseUpdate::CDBCheckImplHelper;
using DatabaseUpdate::DBCheckParams;
using DatabaseUpdate::DBMigration;
using Sqlite3DO::CSQLite3Conn;
using Sqlite3DO::CSQLiteRows;

namespace {

const char kKey[] = "k3y0fTh1sS1teXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX=";
const char kName[] = "Inventory";

const DBMigration kV1{1, "items",
                      "CREATE TABLE Item (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT);"};
const DBMigration kV2{2, "item notes",
                      "ALTER TABLE Item ADD COLUMN Note TEXT NOT NULL DEFAULT '';"
                      "CREATE INDEX ItemName ON Item (Name);"};

class DatabaseCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CDataEncryptionMgr::Instance().Init(Base::Encrypt::AESParams(), kKey, false);
        ASSERT_TRUE(CDBCheckImplHelper::registerSchema(kName, {kV1, kV2}));
        const QString root = m_dir->path();
        m_params.dataPath = (root + "/data/").toStdString();
        m_params.maintainPath = (root + "/data/maintain/").toStdString();
        m_params.importPath = (root + "/import/").toStdString();
        m_params.names = {kName};
        m_file = m_params.dataPath + kName;
    }
    void TearDown() override
    {
        CDBCheckImplHelper::unregisterSchema(kName);
        CDataEncryptionMgr::Instance().UnInit();
    }

    bool check()
    {
        m_error.clear();
        return CDBCheckImplHelper::checkAndUpdateDB(m_error, m_params);
    }

    // A database at version 1 with two rows, as an older release left it.
    void createVersion1(const std::string &file, const std::string &key = kKey)
    {
        QDir().mkpath(QString::fromStdString(file).section('/', 0, -2));
        CSQLite3Conn conn;
        conn.Open(file, true, key);
        ASSERT_TRUE(conn.ExecuteScript(kV1.sql + "PRAGMA user_version = 1;"));
        ASSERT_TRUE(conn.Execute("INSERT INTO Item (Name) VALUES (?1);", {"kept one"}));
        ASSERT_TRUE(conn.Execute("INSERT INTO Item (Name) VALUES (?1);", {"kept two"}));
    }

    static int version(CSQLite3Conn &conn)
    {
        CSQLiteRows rows;
        EXPECT_TRUE(conn.Query("PRAGMA user_version;", {}, rows));
        return rows.empty() ? -1 : static_cast<int>(rows[0].at(0).toInt64());
    }

    QStringList maintainFiles(const QString &pattern) const
    {
        return QDir(QString::fromStdString(m_params.maintainPath))
            .entryList({pattern}, QDir::Files);
    }

    std::unique_ptr<QTemporaryDir> m_dir = testsupport::makeTempDir(QStringLiteral("dbcheck"));
    DBCheckParams m_params;
    std::string m_file;
    std::string m_error;
};

} // namespace

TEST_F(DatabaseCheckTest, NewDatabaseIsEncryptedAtTheLatestVersion)
{
    ASSERT_TRUE(check()) << m_error;
    CSQLite3Conn conn;
    EXPECT_THROW(conn.Open(m_file, false, std::string()), Sqlite3DO::CSQlite3Error);
    conn.Open(m_file, false, kKey);
    EXPECT_EQ(version(conn), 2);
    EXPECT_TRUE(conn.Execute("INSERT INTO Item (Name, Note) VALUES (?1, ?2);", {"n", "note"}));
    // A new file has nothing to back up.
    EXPECT_TRUE(maintainFiles("*").isEmpty());
    // A second check finds nothing to do.
    ASSERT_TRUE(check()) << m_error;
    EXPECT_TRUE(maintainFiles("*").isEmpty());
}

TEST_F(DatabaseCheckTest, OlderVersionIsBackedUpAndMigratedWithItsRows)
{
    createVersion1(m_file);
    ASSERT_TRUE(check()) << m_error;

    CSQLite3Conn conn;
    conn.Open(m_file, false, kKey);
    EXPECT_EQ(version(conn), 2);
    CSQLiteRows rows;
    ASSERT_TRUE(conn.Query("SELECT Name, Note FROM Item ORDER BY ID;", {}, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value("Name").toText(), "kept one");
    EXPECT_EQ(rows[1].value("Note").toText(), "");

    const QStringList backups = maintainFiles(QStringLiteral("Inventory.v1-*.bak"));
    ASSERT_EQ(backups.size(), 1);
    CSQLite3Conn backup;
    backup.Open(m_params.maintainPath + backups[0].toStdString(), false, kKey);
    EXPECT_EQ(version(backup), 1);
}

TEST_F(DatabaseCheckTest, FailingMigrationLeavesTheOldVersion)
{
    createVersion1(m_file);
    ASSERT_TRUE(CDBCheckImplHelper::registerSchema(
        kName, {kV1, {2, "broken", "ALTER TABLE Missing ADD COLUMN X;"}}));
    EXPECT_FALSE(check());
    EXPECT_NE(m_error.find("migration 2 (broken)"), std::string::npos) << m_error;
    CSQLite3Conn conn;
    conn.Open(m_file, false, kKey);
    EXPECT_EQ(version(conn), 1);
}

TEST_F(DatabaseCheckTest, NewerVersionIsLeftAlone)
{
    createVersion1(m_file);
    ASSERT_TRUE(CDBCheckImplHelper::registerSchema(kName, {kV1}));
    {
        CSQLite3Conn conn;
        conn.Open(m_file, false, kKey);
        ASSERT_TRUE(conn.Execute("PRAGMA user_version = 7;"));
    }
    EXPECT_FALSE(check());
    EXPECT_NE(m_error.find("version 7"), std::string::npos) << m_error;
    CSQLite3Conn conn;
    conn.Open(m_file, false, kKey);
    EXPECT_EQ(version(conn), 7);
}

TEST_F(DatabaseCheckTest, FileThatDoesNotOpenIsKeptAsideAndReplaced)
{
    createVersion1(m_file, "the key of another site");
    ASSERT_TRUE(check()) << m_error;
    EXPECT_EQ(maintainFiles(QStringLiteral("Inventory.corrupt-*")).size(), 1);
    CSQLite3Conn conn;
    conn.Open(m_file, false, kKey);
    EXPECT_EQ(version(conn), 2);
    CSQLiteRows rows;
    ASSERT_TRUE(conn.Query("SELECT * FROM Item;", {}, rows));
    EXPECT_TRUE(rows.empty());
    conn.Close();

    // Garbage too, and a second one in the same second gets a name of its own.
    {
        std::ofstream garbage(m_file, std::ios::binary | std::ios::trunc);
        garbage << std::string(3000, '\x5a');
    }
    ASSERT_TRUE(check()) << m_error;
    EXPECT_EQ(maintainFiles(QStringLiteral("Inventory.corrupt-*")).size(), 2);
}

TEST_F(DatabaseCheckTest, ImportedDatabaseIsTakenOverOnlyWhenThereIsNone)
{
    createVersion1(m_params.importPath + kName);
    ASSERT_TRUE(check()) << m_error;
    CSQLiteRows rows;
    {
        CSQLite3Conn conn;
        conn.Open(m_file, false, kKey);
        ASSERT_TRUE(conn.Query("SELECT Name FROM Item;", {}, rows));
        EXPECT_EQ(rows.size(), 2u);
        ASSERT_TRUE(conn.Execute("DELETE FROM Item;"));
    }
    ASSERT_TRUE(check()) << m_error;
    CSQLite3Conn conn;
    conn.Open(m_file, false, kKey);
    ASSERT_TRUE(conn.Query("SELECT Name FROM Item;", {}, rows));
    EXPECT_TRUE(rows.empty());
}

TEST_F(DatabaseCheckTest, RefusesWhatItCannotDoSafely)
{
    // No key and plain databases not allowed: nothing is created.
    CDataEncryptionMgr::Instance().UnInit();
    EXPECT_FALSE(check());
    EXPECT_NE(m_error.find("no database key"), std::string::npos) << m_error;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(m_file)));

    CDataEncryptionMgr::Instance().Init(Base::Encrypt::AESParams(), kKey, false);
    m_params.names = {"Unknown"};
    EXPECT_FALSE(check());
    EXPECT_NE(m_error.find("no schema"), std::string::npos) << m_error;
    m_params.names = {"../escape"};
    EXPECT_FALSE(check());

    EXPECT_FALSE(CDBCheckImplHelper::registerSchema("Gaps", {kV2}));
    EXPECT_FALSE(CDBCheckImplHelper::registerSchema("Empty", {}));
    EXPECT_EQ(CDBCheckImplHelper::latestVersion("Gaps"), 0);
    EXPECT_EQ(CDBCheckImplHelper::latestVersion(kName), 2);
}
