// One process walks the start-up states in order: the key set-up is process-wide and
// happens once, so the unusable configurations come first.
#include <Common/CommonMethod/DataEncryptionConfig.h>
#include <Common/CommonMethod/InitDBLogical.h>

#include <DatabaseUpdate/DBCheckImplHelper.h>
#include <DatabaseUpdate/DataEncryptionMgr.h>
#include <Sqlite3DO/SQLite3Conn.h>
#include <comm_methodlib/DESetupFile.h>
#include <comm_methodlib/UserDataPath.h>

#include <Base/LogCapture.h>

#include "testsupport/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

const char kName[] = "TestComponent";

class InitComponentDBTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        unsetenv("QORVA_DATA_ROOT");
        s_root = testsupport::makeTempDir(QStringLiteral("initdb")).release();
        ASSERT_TRUE(comm_methodlib::CUserDataPath::Instance().init(s_root->path().toStdString(),
                                                                   "Component.C"));
        ASSERT_TRUE(DatabaseUpdate::CDBCheckImplHelper::registerSchema(
            kName,
            {{1, "table", "CREATE TABLE IF NOT EXISTS T (ID INTEGER PRIMARY KEY, Name TEXT);"}}));
    }
    static void TearDownTestSuite()
    {
        delete s_root;
        s_root = nullptr;
    }

    static std::string configPath()
    {
        return comm_methodlib::CUserDataPath::Instance().deSetupPath();
    }
    static std::string dbFile() { return comm_method::componentDBFile(kName); }

    static void expectNothingKeyed()
    {
        EXPECT_FALSE(comm_method::isComponentDBReady());
        EXPECT_FALSE(Sqlite3DO::CSQLite3Conn::HasStaticKey());
        EXPECT_FALSE(DatabaseUpdate::CDataEncryptionMgr::Instance().IsInitialised());
        EXPECT_FALSE(Base::Encrypt::GetProcessAESParams().isValid());
        EXPECT_FALSE(QFile::exists(QString::fromStdString(dbFile())));
    }

    static QTemporaryDir *s_root;
    Base::details::CLogCapture m_capture;
};

QTemporaryDir *InitComponentDBTest::s_root = nullptr;

} // namespace

TEST_F(InitComponentDBTest, WithoutAUsableConfigurationNothingIsKeyed)
{
    EXPECT_FALSE(comm_method::initComponentDBLogical({kName}));
    bool fatal = false;
    for (const auto &line : m_capture.lines())
        fatal = fatal || (line.level == Base::details::LogLevel::Fatal &&
                          line.message == "[" + configPath() + "] is not exist.");
    EXPECT_TRUE(fatal);
    expectNothingKeyed();

    QFile::remove(QString::fromStdString(configPath()));
    ASSERT_TRUE(comm_methodlib::DESetup::WriteFile(configPath(), {"a", "b", "c", "d"}));
    {
        // Damaged: a few bytes of the Base64 text changed.
        std::fstream file(configPath(), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(10);
        file.write("!!!!", 4);
    }
    m_capture.clear();
    EXPECT_FALSE(comm_method::initComponentDBLogical({kName}));
    EXPECT_TRUE(m_capture.contains("Faild to decryption config file [" + configPath() + "]."));
    EXPECT_FALSE(m_capture.contains(
        "Failed to checkAndUpdateDB. [msg-no database key: the encryption manager is not "
        "initialised]."));
    expectNothingKeyed();
}

TEST_F(InitComponentDBTest, KeysOnceThenChecksOnEveryCall)
{
    const comm_methodlib::DESetup::Segments segments{"one", "two", "three", "four"};
    ASSERT_TRUE(comm_methodlib::DESetup::WriteFile(configPath(), segments));
    ASSERT_TRUE(comm_method::initComponentDBLogical({kName}));
    EXPECT_TRUE(comm_method::isComponentDBReady());

    const std::string parts[4] = {"one", "two", "three", "four"};
    Base::Encrypt::AESParams params;
    std::string key;
    comm_method::CDataEncryptionConfig::derive(parts, params, key);
    EXPECT_EQ(Base::Encrypt::GetProcessAESParams(), params);
    EXPECT_EQ(DatabaseUpdate::CDataEncryptionMgr::Instance().GetStaticKey(), key);
    EXPECT_TRUE(Sqlite3DO::CSQLite3Conn::HasStaticKey());

    // The database opens with the derived key only.
    Sqlite3DO::CSQLite3Conn conn;
    EXPECT_THROW(conn.Open(dbFile(), false, "x"), Sqlite3DO::CSQlite3Error);
    conn.Open(dbFile(), false, std::string());
    EXPECT_TRUE(conn.Execute("INSERT INTO T (Name) VALUES (?1);", {"row"}));
    conn.Close();

    // Later calls do not read the configuration again, so it may even be gone.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(configPath())));
    m_capture.clear();
    ASSERT_TRUE(comm_method::initComponentDBLogical({kName}));
    EXPECT_FALSE(m_capture.contains("[" + configPath() + "] is not exist."));
    for (const auto &message : m_capture.messages())
        EXPECT_EQ(message.find("[log2.0]"), std::string::npos) << message;

    // A failing check is reported and closes the databases until a check passes again.
    EXPECT_FALSE(comm_method::initComponentDBLogical({"Unregistered"}));
    EXPECT_TRUE(m_capture.contains(
        "Failed to checkAndUpdateDB. [msg-no schema is registered for [Unregistered]]."));
    EXPECT_FALSE(comm_method::isComponentDBReady());
    ASSERT_TRUE(comm_method::initComponentDBLogical({kName}));
    EXPECT_TRUE(comm_method::isComponentDBReady());
}
