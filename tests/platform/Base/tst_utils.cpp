#include <Base/DiskDriveUtil.h>
#include <Base/Encoding.h>
#include <Base/FileUtil.h>
#include <Base/GuidUtil.h>
#include <Base/StringUtil.h>
#include <Base/TimeUtil.h>

#include <testsupport/TempDir.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <sys/statvfs.h>
#include <unistd.h>

using namespace Base;

namespace {

// Sets TZ for the scope of one test and restores it.
class ScopedTz
{
public:
    explicit ScopedTz(const char *tz)
    {
        const char *old = std::getenv("TZ");
        m_had = old != nullptr;
        if (old)
            m_old = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTz()
    {
        if (m_had)
            setenv("TZ", m_old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_had = false;
    std::string m_old;
};

const std::string kZhongWen = "\xe4\xb8\xad\xe6\x96\x87"; // 中文 in UTF-8

} // namespace

TEST(Encoding, GbkByteCountsAndRoundTrip)
{
    ASSERT_EQ(LocalCodePage(), "GBK"); // set by the test helper (QORVA_LOCAL_CODEPAGE)
    EXPECT_EQ(UTF8ToLocal(kZhongWen).size(), 4u);
    EXPECT_EQ(UTF8ToLocal(kZhongWen), "\xd6\xd0\xce\xc4");
    EXPECT_EQ(UTF8ToLocal("ab" + kZhongWen + "c").size(), 7u);
    EXPECT_EQ(LocalToUTF8(UTF8ToLocal("ab" + kZhongWen + "c")), "ab" + kZhongWen + "c");
    EXPECT_EQ(UTF8ToLocal(""), "");
    // A character GBK lacks becomes one '?'.
    EXPECT_EQ(UTF8ToLocal("a\xf0\x9f\x98\x80" "b"), "a?b");
}

TEST(Encoding, CodePageOverride)
{
    const char *old = std::getenv("QORVA_LOCAL_CODEPAGE");
    std::string saved = old ? old : "";
    setenv("QORVA_LOCAL_CODEPAGE", "UTF-8", 1);
    EXPECT_EQ(UTF8ToLocal(kZhongWen).size(), 6u);
    if (old)
        setenv("QORVA_LOCAL_CODEPAGE", saved.c_str(), 1);
    else
        unsetenv("QORVA_LOCAL_CODEPAGE");
}

TEST(StringUtil, EraseSplitHex)
{
    EXPECT_EQ(StringUtil::StringEraseInvalidChar("a/b\\c:d*e?f\"g<h>i|j"), "abcdefghij");
    EXPECT_EQ(StringUtil::StringEraseInvalidChar(kZhongWen + "?.xlsx"), kZhongWen + ".xlsx");
    EXPECT_EQ(StringUtil::SplitString("a,,b", ","), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(StringUtil::SplitString("", ","), (std::vector<std::string>{""}));
    EXPECT_EQ(StringUtil::SplitString("a::b::", "::"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(StringUtil::SplitString("abc", ""), (std::vector<std::string>{"abc"}));
    const unsigned char bytes[] = {0x00, 0x0f, 0xa5, 0xff};
    EXPECT_EQ(StringUtil::Vlue2HexString(bytes, 4), "000fa5ff");
    EXPECT_EQ(StringUtil::Vlue2HexString(std::string("\x01\xAB", 2)), "01ab");
}

TEST(FileUtil, ExeDirEndsWithSlashAndHoldsTheProgram)
{
    std::string dir = FileUtil::GetCurExeDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(dir.front(), '/');
    EXPECT_TRUE(FileUtil::IsPathExist(dir + "tst_base_utils"));
    // Before registration the UTF-8 form comes from the system; then the registered one.
    EXPECT_EQ(FileUtil::GetCurExeDirUtf8(), LocalToUTF8(dir));
    FileUtil::InitCurExeDirUtf8("/opt/" + kZhongWen);
    EXPECT_EQ(FileUtil::GetCurExeDirUtf8(), "/opt/" + kZhongWen + "/");
    FileUtil::InitCurExeDirUtf8(LocalToUTF8(dir));
    EXPECT_EQ(FileUtil::GetCurExeDirUtf8(), LocalToUTF8(dir));
}

TEST(FileUtil, CreateDirectories)
{
    const auto dir = testsupport::makeTempDir(QStringLiteral("qorva-fileutil"));
    const std::string base = dir->path().toStdString();
    EXPECT_TRUE(FileUtil::CreateDirectories(base + "/a/b/c/"));
    EXPECT_TRUE(FileUtil::IsPathExist(base + "/a/b/c"));
    EXPECT_TRUE(FileUtil::CreateDirectories(base + "/a/b/c")); // already there
    EXPECT_FALSE(FileUtil::CreateDirectories(""));
    EXPECT_FALSE(FileUtil::IsPathExist(base + "/nope"));
}

TEST(TimeUtil, FormatsInLocalTime)
{
    ScopedTz tz("CST-8"); // China Standard Time, no DST
    EXPECT_EQ(TimeUtil::TimeT2LocalTimeStrISO(0), "1970-01-01T08:00:00");
    EXPECT_EQ(TimeUtil::TimeT2StrDatetime(0), "1970-01-01 08:00:00");
    EXPECT_EQ(TimeUtil::TimeT2LocalTimeStrISO(1700000000), "2023-11-15T06:13:20");
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-15T06:13:20"), 1700000000);
    EXPECT_EQ(TimeUtil::StrDatetime2TimeT("2023-11-15 06:13:20"), 1700000000);
}

TEST(TimeUtil, PairsAreExactInversesAcrossZonesAndDst)
{
    for (const char *zone : {"UTC0", "CST-8", "CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT,M3.2.0,M11.1.0", "<+0545>-5:45"}) {
        ScopedTz tz(zone);
        // Every 7919 s over two years (crosses DST changes), plus both ends of 2038.
        std::vector<std::time_t> times;
        for (std::time_t t = 1672531200; t < 1672531200 + 2 * 365 * 86400; t += 7919)
            times.push_back(t);
        times.push_back(2147483647);
        times.push_back(2147483648LL);
        for (std::time_t t : times) {
            std::string iso = TimeUtil::TimeT2LocalTimeStrISO(t);
            std::string plain = TimeUtil::TimeT2StrDatetime(t);
            ASSERT_EQ(iso.size(), 19u);
            EXPECT_EQ(iso.substr(0, 10) + " " + iso.substr(11), plain);
            // Text -> time -> text is exact everywhere.
            EXPECT_EQ(TimeUtil::TimeT2LocalTimeStrISO(TimeUtil::ISODatetime2TimeT(iso)), iso) << zone;
            EXPECT_EQ(TimeUtil::TimeT2StrDatetime(TimeUtil::StrDatetime2TimeT(plain)), plain) << zone;
            // Time -> text -> time is exact except inside the repeated autumn hour.
            std::time_t back = TimeUtil::ISODatetime2TimeT(iso);
            if (back != t) {
                EXPECT_EQ(std::abs(static_cast<long long>(back - t)), 3600) << zone << " " << iso;
            }
            EXPECT_EQ(TimeUtil::StrDatetime2TimeT(plain), back);
        }
    }
}

// The reader finds the local offset itself; the C library's mktime is the reference for
// every local wall time around the daylight-saving changes, gaps included.
TEST(TimeUtil, LocalReadingAgreesWithMktime)
{
    for (const char *zone : {"CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT,M3.2.0,M11.1.0", "CST-8"}) {
        ScopedTz tz(zone);
        // Quarter hours over the spring and autumn change days of 2024 in both zones.
        for (int day : {70, 91, 301, 308}) { // 10 and 31 March, 27 October, 3 November
            for (int quarter = 0; quarter < 96; ++quarter) {
                struct tm wall = {};
                wall.tm_year = 124;
                wall.tm_mday = day;
                wall.tm_hour = quarter / 4;
                wall.tm_min = (quarter % 4) * 15;
                wall.tm_isdst = -1;
                struct tm copy = wall;
                const std::time_t expected = std::mktime(&copy); // normalises the day of year
                char text[32];
                std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &copy);
                struct tm asked = wall;
                asked.tm_isdst = 0;
                timegm(&asked); // the wall time asked for, normalised the same way
                char askedText[32];
                std::strftime(askedText, sizeof askedText, "%Y-%m-%d %H:%M:%S", &asked);
                const std::time_t got = TimeUtil::StrDatetime2TimeT(askedText);
                if (got != expected) {
                    // Only the repeated autumn hour has two answers, an hour apart.
                    EXPECT_EQ(std::abs(static_cast<long long>(got - expected)), 3600)
                        << zone << " " << askedText;
                    EXPECT_EQ(TimeUtil::TimeT2StrDatetime(got), askedText) << zone;
                }
            }
        }
    }
}

TEST(TimeUtil, ReaderAcceptsZonesAndFractions)
{
    ScopedTz tz("CST-8");
    const std::time_t t = 1700000000; // 2023-11-14T22:13:20Z
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-14T22:13:20Z"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-14T22:13:20z"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-15T06:13:20+08:00"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-15T06:13:20+0800"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-15T06:13:20+08"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-14T17:13:20-05:00"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-15T03:58:20+05:45"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-14T22:13:20.999Z"), t); // truncated
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-14T22:13:20,5+00:00"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-15T06:13:20.123456"), t); // local
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("  2023-11-15T06:13:20\n"), t);
    // The zone in the text wins over the process zone.
    ScopedTz other("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-15T06:13:20+08:00"), t);
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2023-11-14T17:13:20"), t); // local EST
}

TEST(TimeUtil, BadTextsFailWithMinusOne)
{
    ScopedTz tz("UTC0");
    for (const char *bad : {"", "2023-11-15", "2023-11-15 06:13:20", "2023-13-01T00:00:00",
                            "2023-02-29T00:00:00", "2023-04-31T00:00:00", "2023-01-01T24:00:00",
                            "2023-01-01T00:60:00", "2023-01-01T00:00:60", "2023-1-01T00:00:00",
                            "2023-01-01T00:00:00.", "2023-01-01T00:00:00+8", "2023-01-01T00:00:00+08:0",
                            "2023-01-01T00:00:00+24:00", "2023-01-01T00:00:00Zjunk", "2023-01-01T00:00:00 x",
                            "abcd-01-01T00:00:00"})
        EXPECT_EQ(TimeUtil::ISODatetime2TimeT(bad), -1) << bad;
    for (const char *bad : {"", "2023-11-15T06:13:20", "2023-11-15 06:13", "2023-11-15 06:13:20Z",
                            "2023-02-30 00:00:00", "2023/11/15 06:13:20"})
        EXPECT_EQ(TimeUtil::StrDatetime2TimeT(bad), -1) << bad;
    EXPECT_EQ(TimeUtil::ISODatetime2TimeT("2024-02-29T00:00:00"), 1709164800); // leap day
}

TEST(TimeUtil, IsoToPlainTextKeepsTheMomentAndRefusesBadTexts)
{
    ScopedTz tz("CST-8");
    EXPECT_EQ(TimeUtil::ISODatetime2StrDatetime("2023-11-14T22:13:20Z"), "2023-11-15 06:13:20");
    EXPECT_EQ(TimeUtil::ISODatetime2StrDatetime("2023-11-15T06:13:20.5"), "2023-11-15 06:13:20");
    // The one moment whose seconds are -1 is still a readable time.
    EXPECT_EQ(TimeUtil::ISODatetime2StrDatetime("1969-12-31T23:59:59Z"), "1970-01-01 07:59:59");
    for (const char *bad : {"", "2023-11-15 06:13:20", "2023-02-29T00:00:00", "yesterday"})
        EXPECT_EQ(TimeUtil::ISODatetime2StrDatetime(bad), "") << bad;
}

TEST(GuidUtil, FormatAndUniqueness)
{
    std::set<std::string> seen;
    std::mutex mutex;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 2500; ++i) {
                std::string g = GuidUtil::CreateGuid();
                std::lock_guard<std::mutex> lock(mutex);
                seen.insert(g);
            }
        });
    for (auto &th : threads)
        th.join();
    EXPECT_EQ(seen.size(), 10000u);
    for (const std::string &g : seen) {
        ASSERT_EQ(g.size(), 32u);
        ASSERT_EQ(g.find_first_not_of("0123456789abcdef"), std::string::npos) << g;
        ASSERT_EQ(g[12], '4') << g; // version 4
        ASSERT_NE(std::string("89ab").find(g[16]), std::string::npos) << g;
    }
}

TEST(DiskDriveUtil, ReportsMiBOfTheFileSystem)
{
    unsigned long long total = 0, freeMiB = 0;
    ASSERT_TRUE(DiskDriveUtil::GetLocalDriveSpace("/tmp", total, freeMiB));
    EXPECT_GT(total, 0u);
    EXPECT_LE(freeMiB, total);
    struct statvfs st;
    ASSERT_EQ(statvfs("/tmp", &st), 0);
    EXPECT_EQ(total, static_cast<unsigned long long>(st.f_blocks) * st.f_frsize / (1024 * 1024));
    // Missing paths are measured at their nearest existing ancestor; "" means "/".
    unsigned long long t2 = 0, f2 = 0;
    ASSERT_TRUE(DiskDriveUtil::GetLocalDriveSpace("/tmp/no/such/dir/", t2, f2));
    EXPECT_EQ(t2, total);
    ASSERT_TRUE(DiskDriveUtil::GetLocalDriveSpace("", t2, f2));
    EXPECT_GT(t2, 0u);
    // Other 64-bit output types.
    std::uint64_t u1 = 0, u2 = 0;
    EXPECT_TRUE(DiskDriveUtil::GetLocalDriveSpace("/tmp", u1, u2));
    EXPECT_EQ(u1, total);
    long long s1 = 0, s2 = 0;
    EXPECT_TRUE(DiskDriveUtil::GetLocalDriveSpace("/tmp", s1, s2));
    EXPECT_EQ(static_cast<unsigned long long>(s1), total);
    // A relative "drive" with no existing ancestor fails.
    t2 = f2 = 7;
    EXPECT_FALSE(DiskDriveUtil::GetLocalDriveSpace("C:", t2, f2));
    EXPECT_EQ(t2, 0u);
    EXPECT_EQ(f2, 0u);
}
