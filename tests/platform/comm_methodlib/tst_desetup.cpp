#include <comm_methodlib/DESetupFile.h>

#include <Base/Encrypt.h>

#include <testsupport/TempDir.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <sys/stat.h>

namespace DESetup = comm_methodlib::DESetup;
using Base::Encrypt::AESParams;

namespace {

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class DESetupTest : public ::testing::Test
{
protected:
    void SetUp() override { m_path = m_dir + "/Framework.C/DESetup.xml"; }
    const std::unique_ptr<QTemporaryDir> m_tmp =
        testsupport::makeTempDir(QStringLiteral("qorva-desetup"));
    const std::string m_dir = m_tmp->path().toStdString();
    std::string m_path;
};

} // namespace

TEST(DESetupFormat, EncipheredBlocksGiveSixteenCharacterParameters)
{
    AESParams params;
    ASSERT_TRUE(DESetup::FileAESParams(params));
    EXPECT_EQ(params.key.size(), 16u);
    EXPECT_EQ(params.iv.size(), 16u);
    EXPECT_NE(params.key, params.iv);
    std::string key;
    ASSERT_TRUE(Base::Encrypt::ecbDecrypt(DESetup::kEncipheredKey, 32, key));
    EXPECT_EQ(key, params.key);
    for (char c : key + params.iv)
        EXPECT_TRUE(c >= 0x21 && c <= 0x7e);
}

TEST(DESetupFormat, XmlDocumentShape)
{
    DESetup::Segments s{"one", "two", "a<b&c", ""};
    const std::string xml = DESetup::BuildXml(s);
    EXPECT_EQ(xml, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<DESetup><Segments><Segment1>one</Segment1><Segment2>two</Segment2>"
                   "<Segment3>a&lt;b&amp;c</Segment3><Segment4></Segment4></Segments></DESetup>\n");
    DESetup::Segments back;
    ASSERT_TRUE(DESetup::ParseSegments(xml, back));
    EXPECT_EQ(back, s);
}

TEST(DESetupFormat, ParserToleratesMissingSegmentsAndRejectsOtherDocuments)
{
    DESetup::Segments s;
    ASSERT_TRUE(DESetup::ParseSegments("<DESetup><Segments><Segment1>a</Segment1>"
                                       "<Segment4> d </Segment4></Segments></DESetup>", s));
    EXPECT_EQ(s, (DESetup::Segments{"a", "", "", " d "}));
    EXPECT_FALSE(DESetup::ParseSegments("", s));
    EXPECT_FALSE(DESetup::ParseSegments("<Other/>", s));
    EXPECT_FALSE(DESetup::ParseSegments("<DESetup><Segments>", s));
    EXPECT_EQ(s, DESetup::Segments());
}

TEST_F(DESetupTest, WriteReadRoundTrip)
{
    const DESetup::Segments segments{"3f2a", "\xe4\xb8\xad\xe6\x96\x87", "x&y", "0123456789abcdef0123456789abcdef"};
    ASSERT_TRUE(DESetup::WriteFile(m_path, segments));
    const std::string text = readAll(m_path);
    EXPECT_EQ(text.find('<'), std::string::npos); // not plain
    EXPECT_EQ(text.find('\n'), std::string::npos);
    struct stat st;
    ASSERT_EQ(::stat(m_path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    std::string xml;
    ASSERT_TRUE(DESetup::ReadFile(m_path, xml));
    EXPECT_EQ(xml, DESetup::BuildXml(segments));
    DESetup::Segments back;
    ASSERT_TRUE(DESetup::ParseSegments(xml, back));
    EXPECT_EQ(back, segments);

    // The component's way at start: scoped parameters + AESBase64Decode of the text.
    AESParams params;
    ASSERT_TRUE(DESetup::FileAESParams(params));
    Base::Encrypt::CAESParamsSetRAII scope(params);
    std::string plain;
    ASSERT_TRUE(Base::Encrypt::AESBase64Decode(text, plain));
    EXPECT_EQ(plain, xml);
}

TEST_F(DESetupTest, EnsureFileCreatesRandomSegmentsOnce)
{
    bool created = false;
    ASSERT_TRUE(DESetup::EnsureFile(m_path, &created));
    EXPECT_TRUE(created);
    const std::string first = readAll(m_path);
    ASSERT_TRUE(DESetup::EnsureFile(m_path, &created));
    EXPECT_FALSE(created);
    EXPECT_EQ(readAll(m_path), first);

    std::string xml;
    ASSERT_TRUE(DESetup::ReadFile(m_path, xml));
    DESetup::Segments s;
    ASSERT_TRUE(DESetup::ParseSegments(xml, s));
    std::set<std::string> distinct(s.begin(), s.end());
    EXPECT_EQ(distinct.size(), 4u);
    for (const auto &seg : s) {
        EXPECT_EQ(seg.size(), 32u);
        EXPECT_EQ(seg.find_first_not_of("0123456789abcdef"), std::string::npos);
    }
    EXPECT_NE(DESetup::GenerateSegments(), DESetup::GenerateSegments());
}

TEST_F(DESetupTest, BadFilesAreRejected)
{
    std::string xml = "stale";
    EXPECT_FALSE(DESetup::ReadFile(m_dir + "/missing.xml", xml));
    EXPECT_TRUE(xml.empty());
    const std::string path = m_dir + "/bad.xml";
    // Empty, not Base64, and one block that is not ours (fixed: its padding check fails).
    for (const char *content : {"", "%%% not base64 %%%", "QUJDREVGR0hJSktMTU5PUA=="}) {
        { std::ofstream(path, std::ios::trunc) << content; }
        xml = "stale";
        EXPECT_FALSE(DESetup::ReadFile(path, xml)) << content;
        EXPECT_TRUE(xml.empty()) << content;
    }
    // A file whose parent is a regular file cannot be written.
    EXPECT_FALSE(DESetup::WriteFile(path + "/DESetup.xml", DESetup::GenerateSegments()));
}
