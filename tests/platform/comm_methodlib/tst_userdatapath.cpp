#include <comm_methodlib/UserDataPath.h>

#include <Base/Encoding.h>
#include <Base/Log.h>
#include <Base/LogCapture.h>

#include <testsupport/ScopedEnv.h>
#include <testsupport/TempDir.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using comm_methodlib::CUserDataPath;
using testsupport::ScopedEnv;

namespace {

bool isDir(const std::string &p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string readAll(const std::string &path)
{
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class UserDataPathTest : public ::testing::Test
{
protected:
    // A test makes part of the tree read-only; give it back before the directory goes.
    void TearDown() override { std::system(("chmod -R u+w " + m_dir + " 2>/dev/null").c_str()); }
    const std::unique_ptr<QTemporaryDir> m_tmp =
        testsupport::makeTempDir(QStringLiteral("qorva-udp"));
    const std::string m_dir = m_tmp->path().toStdString();
};

} // namespace

TEST_F(UserDataPathTest, LayoutUnderGivenRoot)
{
    ScopedEnv noOverride("QORVA_DATA_ROOT", nullptr);
    auto &paths = CUserDataPath::instance();
    // Like main: "<exe dir>/../" is normalised.
    ASSERT_TRUE(paths.init(m_dir + "/bin/../", "VisitorManagement.C", -1, -1));
    EXPECT_TRUE(paths.isInitialised());
    const std::string root = m_dir + "/";
    EXPECT_EQ(paths.rootPath(), root);
    EXPECT_EQ(paths.componentPath(), root + "VisitorManagement.C/");
    EXPECT_EQ(paths.logPropertiesPath(), root + "VisitorManagement.C/log4cxx.properties");
    EXPECT_EQ(paths.logPath(), root + "VisitorManagement.C/logs/");
    EXPECT_EQ(paths.dumpPath(), root + "VisitorManagement.C/dumps/");
    EXPECT_EQ(paths.getImportDBPath(), root + "import/");
    EXPECT_EQ(paths.frameworkPath(), root + "Framework.C/");
    EXPECT_EQ(paths.deSetupPath(), root + "Framework.C/DESetup.xml");
    for (const std::string &d : {paths.componentPath(), paths.logPath(), paths.dumpPath(), paths.getImportDBPath()})
        EXPECT_TRUE(isDir(d)) << d;
    EXPECT_FALSE(isDir(root + "bin"));
}

TEST_F(UserDataPathTest, DefaultPropertiesFileConfiguresTheLogger)
{
    ScopedEnv noOverride("QORVA_DATA_ROOT", nullptr);
    auto &paths = CUserDataPath::instance();
    ASSERT_TRUE(paths.init(m_dir, "Comp", -1, -1));
    const std::string props = readAll(paths.logPropertiesPath());
    EXPECT_NE(props.find("RollingFileAppender"), std::string::npos);
    EXPECT_NE(props.find(paths.logPath() + "Comp.log"), std::string::npos);

    EXPECT_TRUE(Base::details::CLog::instance().InitLog(paths.logPropertiesPath()));
    LOG_INFO("written through the default properties %d", 42);
    Base::details::CLog::instance().UninitLog();
    EXPECT_NE(readAll(paths.logPath() + "Comp.log").find("written through the default properties 42"),
              std::string::npos);

    // An existing file is kept as it is.
    { std::ofstream(paths.logPropertiesPath()) << "# mine\n"; }
    ASSERT_TRUE(paths.init(m_dir, "Comp", -1, -1));
    EXPECT_EQ(readAll(paths.logPropertiesPath()), "# mine\n");
}

TEST_F(UserDataPathTest, EnvironmentOverridesTheRoot)
{
    const std::string other = m_dir + "/override";
    ScopedEnv env("QORVA_DATA_ROOT", other.c_str());
    auto &paths = CUserDataPath::instance();
    ASSERT_TRUE(paths.init(m_dir + "/ignored", "VisitorManagement.C", -1, -1));
    EXPECT_EQ(paths.rootPath(), other + "/");
    EXPECT_EQ(paths.componentPath(), other + "/VisitorManagement.C/");
    EXPECT_TRUE(isDir(other + "/VisitorManagement.C/dumps"));
    EXPECT_FALSE(isDir(m_dir + "/ignored"));
}

TEST_F(UserDataPathTest, LocalCodePageRootIsConverted)
{
    ScopedEnv noOverride("QORVA_DATA_ROOT", nullptr);
    const std::string utf8Root = m_dir + "/\xe4\xb8\xad\xe6\x96\x87";
    auto &paths = CUserDataPath::instance();
    ASSERT_TRUE(paths.init(Base::UTF8ToLocal(utf8Root), "Comp", -1, -1)); // GBK bytes
    EXPECT_EQ(paths.rootPath(), utf8Root + "/");
    EXPECT_TRUE(isDir(utf8Root + "/Comp"));
}

TEST_F(UserDataPathTest, UnwritableRootFailsWithLogLine)
{
    ScopedEnv noOverride("QORVA_DATA_ROOT", nullptr);
    auto &paths = CUserDataPath::instance();
    // A regular file in the way: no user, not even root, can create the directories.
    { std::ofstream(m_dir + "/file") << "x"; }
    Base::details::CLogCapture capture;
    EXPECT_FALSE(paths.init(m_dir + "/file/root", "Comp", -1, -1));
    EXPECT_FALSE(paths.isInitialised());
    EXPECT_EQ(paths.rootPath(), "");
    EXPECT_EQ(paths.dumpPath(), "");
    ASSERT_FALSE(capture.lines().empty());
    EXPECT_EQ(capture.lines()[0].level, Base::details::LogLevel::Error);
    EXPECT_NE(capture.lines()[0].message.find("failed to create directory"), std::string::npos);

    EXPECT_FALSE(paths.init(m_dir, "", -1, -1));
    EXPECT_FALSE(paths.init(m_dir, "../escape", -1, -1));
    EXPECT_FALSE(paths.init("", "Comp", -1, -1));

    if (::geteuid() != 0) { // permission bits do not stop root
        const std::string ro = m_dir + "/readonly";
        ASSERT_EQ(::mkdir(ro.c_str(), 0555), 0);
        capture.clear();
        EXPECT_FALSE(paths.init(ro, "Comp", -1, -1));
        EXPECT_FALSE(capture.lines().empty());
    }
}

TEST_F(UserDataPathTest, OsUserPaths)
{
    ScopedEnv home("HOME", m_dir.c_str());
    ScopedEnv xdgDocs("XDG_DOCUMENTS_DIR", nullptr);
    const std::string config = m_dir + "/cfg";
    ScopedEnv xdgConfig("XDG_CONFIG_HOME", config.c_str());
    auto &paths = CUserDataPath::instance();
    EXPECT_EQ(paths.getOSUserPath(false), m_dir + "/");
    EXPECT_EQ(paths.getOSUserPath(true), m_dir + "/Documents/");
    ::mkdir(config.c_str(), 0700);
    { std::ofstream(config + "/user-dirs.dirs") << "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"; }
    EXPECT_EQ(paths.getOSUserPath(true), m_dir + "/Dokumente/");
    ScopedEnv direct("XDG_DOCUMENTS_DIR", "/srv/docs");
    EXPECT_EQ(paths.getOSUserPath(true), "/srv/docs/");
}
