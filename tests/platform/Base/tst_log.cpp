#include <Base/Error.h>
#include <Base/Log.h>
#include <Base/LogCapture.h>

#include <testsupport/TempDir.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

using Base::details::CLog;
using Base::details::CLogCapture;
using Base::details::LogLevel;

TEST(Log, CapturesMessageLevelAndLocation)
{
    CLogCapture capture;
    const int line = __LINE__ + 1;
    LOG_WARN("Failed to request [url-%s]. [error-%d-%d].", "/a", 67, 3);
    auto lines = capture.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].level, LogLevel::Warn);
    EXPECT_EQ(lines[0].message, "Failed to request [url-/a]. [error-67-3].");
    EXPECT_EQ(lines[0].file, "tst_log.cpp");
    EXPECT_EQ(lines[0].line, line);
    EXPECT_NE(lines[0].function.find("TestBody"), std::string::npos);
}

TEST(Log, LongMessagesAreNotTruncated)
{
    CLogCapture capture;
    std::string big(5000, 'x');
    LOG_INFO("%s!", big.c_str());
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].size(), 5001u);
}

TEST(Log, SafeBeforeInitAfterUninitAndAcrossThreads)
{
    CLogCapture capture;
    LOG_ERROR("before init %d", 1);
    const auto dir = testsupport::makeTempDir(QStringLiteral("qorva-logtest"));
    // A missing properties file falls back to the built-in configuration.
    EXPECT_FALSE(
        CLog::instance().InitLog(testsupport::pathIn(*dir, QStringLiteral("missing.properties"))));
    EXPECT_TRUE(CLog::instance().isInitialised());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 200; ++i)
                LOG_INFO("thread %d line %d", t, i);
        });
    for (auto &th : threads)
        th.join();
    CLog::instance().UninitLog();
    CLog::instance().UninitLog();
    LOG_FATAL("after uninit");
    EXPECT_EQ(capture.messages().size(), 802u);
    std::ifstream file(testsupport::pathIn(*dir, QStringLiteral("logs/tst_base_log.log")));
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("thread 3 line 199"), std::string::npos);
    EXPECT_NE(content.find("tst_log.cpp"), std::string::npos);
}

namespace {

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(Log, PropertiesFileIsUsedAndBrokenFileFallsBack)
{
    const auto dir = testsupport::makeTempDir(QStringLiteral("qorva-logtest"));
    const std::string base = dir->path().toStdString();
    {
        std::ofstream props(base + "/good.properties");
        props << "log4j.rootLogger=INFO, f\n"
                 "log4j.appender.f=org.apache.log4j.FileAppender\n"
                 "log4j.appender.f.File=" << base << "/custom.log\n"
                 "log4j.appender.f.layout=org.apache.log4j.PatternLayout\n"
                 "log4j.appender.f.layout.ConversionPattern=%p|%f|%L|%m%n\n";
    }
    EXPECT_TRUE(CLog::instance().InitLog(base + "/good.properties"));
    const int line = __LINE__ + 1;
    LOG_ERROR("configured by file %s", "good");
    CLog::instance().UninitLog();
    EXPECT_EQ(readFile(base + "/custom.log"),
              "ERROR|tst_log.cpp|" + std::to_string(line) + "|configured by file good\n");

    { std::ofstream(base + "/broken.properties") << "this is = not [ a configuration\n\x01\x02"; }
    EXPECT_FALSE(CLog::instance().InitLog(base + "/broken.properties"));
    LOG_INFO("after fallback");
    CLog::instance().UninitLog();
    EXPECT_NE(readFile(base + "/logs/tst_base_log.log").find("after fallback"), std::string::npos);
}

TEST(LastError, IsPerThreadAndPrintsModuleDashCode)
{
    Base::Error::SetLastError(67, 1015);
    Base::Error::ErrorCode seen(9, 9);
    std::thread([&] { seen = Base::Error::GetLastError(); }).join();
    EXPECT_EQ(seen, Base::Error::ErrorCode());
    EXPECT_EQ(Base::Error::GetLastError().toString(), "67-1015");
    EXPECT_EQ(Base::Error::ErrorCode().toString(), "0-0");
    EXPECT_EQ(Base::Error::ErrorCode(4294967295u, 1).toString(), "4294967295-1");
}
