// The derivation is checked against values computed here with OpenSSL itself.
#include <Common/CommonMethod/DataEncryptionConfig.h>

#include <comm_methodlib/DESetupFile.h>

#include <Base/LogCapture.h>

#include "testsupport/TempDir.h"

#include <openssl/evp.h>
#include <openssl/sha.h>

#include <gtest/gtest.h>

#include <fstream>

using comm_method::CDataEncryptionConfig;

namespace {

// SHA-256 of input, then 99 more rounds over the previous digest.
std::string sha256Times100(const std::string &input)
{
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char *>(input.data()), input.size(), digest);
    for (int i = 1; i < 100; ++i)
        SHA256(digest, sizeof(digest), digest);
    return std::string(reinterpret_cast<const char *>(digest), sizeof(digest));
}

std::string lowerHex(const std::string &bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

std::string base64(const std::string &bytes)
{
    std::string out(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(&out[0]),
                                  reinterpret_cast<const unsigned char *>(bytes.data()),
                                  static_cast<int>(bytes.size()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

struct Expected
{
    std::string key, iv, staticKey;
};

Expected expectedFor(const std::string &s1, const std::string &s2, const std::string &s3,
                     const std::string &s4)
{
    const std::string d1 = sha256Times100(s1 + s2);
    const std::string d2 = sha256Times100(s3 + s4);
    return {lowerHex(d1.substr(0, 8)), lowerHex(d2.substr(0, 8)),
            base64(d1.substr(16, 16) + d2.substr(0, 16))};
}

class EncryptionConfigTest : public ::testing::Test
{
protected:
    // Encrypts plain XML as the host does for DESetup.xml.
    std::string writeEncrypted(const std::string &xml)
    {
        Base::Encrypt::AESParams params;
        EXPECT_TRUE(comm_methodlib::DESetup::FileAESParams(params));
        std::string text;
        EXPECT_TRUE(Base::Encrypt::AESBase64Encode(params, xml, text));
        return writeRaw(text);
    }
    std::string writeRaw(const std::string &content)
    {
        std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
        out << content;
        return m_path;
    }
    void expectRefused(const std::string &path, const std::vector<std::string> &lines)
    {
        m_capture.clear();
        CDataEncryptionConfig config;
        EXPECT_FALSE(config.loadConfig(path));
        EXPECT_FALSE(config.isLoaded());
        EXPECT_TRUE(config.staticKey().empty());
        EXPECT_FALSE(config.aesParams().isValid());
        int previous = -1;
        for (const std::string &line : lines) {
            const int index = m_capture.indexOf(line);
            EXPECT_GT(index, previous) << line;
            previous = index;
        }
    }

    std::unique_ptr<QTemporaryDir> m_dir = testsupport::makeTempDir(QStringLiteral("desetup"));
    std::string m_path = testsupport::pathIn(*m_dir, QStringLiteral("DESetup.xml"));
    Base::details::CLogCapture m_capture;
};

} // namespace

TEST_F(EncryptionConfigTest, DerivesFromTheHostsFile)
{
    const comm_methodlib::DESetup::Segments segments = comm_methodlib::DESetup::GenerateSegments();
    ASSERT_TRUE(comm_methodlib::DESetup::WriteFile(m_path, segments));
    CDataEncryptionConfig config;
    ASSERT_TRUE(config.loadConfig(m_path));
    const Expected expected = expectedFor(segments[0], segments[1], segments[2], segments[3]);
    EXPECT_TRUE(config.isLoaded());
    EXPECT_EQ(config.path(), m_path);
    EXPECT_EQ(config.aesParams().key, expected.key);
    EXPECT_EQ(config.aesParams().iv, expected.iv);
    EXPECT_EQ(config.staticKey(), expected.staticKey);
    EXPECT_EQ(config.staticKey().size(), 44u);
    EXPECT_TRUE(config.aesParams().isValid());
    // The encrypted text is logged as it was read.
    std::ifstream in(m_path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(m_capture.contains("[log2.0]CDataEncryptionConfig::decryptionXML:read from xml.[" +
                                   text + "]."));
}

TEST_F(EncryptionConfigTest, MissingSegmentCountsAsEmpty)
{
    writeEncrypted(
        "<?xml version=\"1.0\"?>\n<DESetup>\n  <Segments>\n    <Segment1>s-one</Segment1>\n"
        "    <Segment2>s-two</Segment2>\n    <Segment4>s-four &amp; 四</Segment4>\n  "
        "</Segments>\n</DESetup>");
    CDataEncryptionConfig config;
    ASSERT_TRUE(config.loadConfig(m_path));
    const Expected expected = expectedFor("s-one", "s-two", "", "s-four & 四");
    EXPECT_EQ(config.aesParams().key, expected.key);
    EXPECT_EQ(config.aesParams().iv, expected.iv);
    EXPECT_EQ(config.staticKey(), expected.staticKey);
}

TEST_F(EncryptionConfigTest, UnusableFilesDeriveNothing)
{
    const std::string path = m_path;
    expectRefused(testsupport::pathIn(*m_dir, QStringLiteral("absent.xml")),
                  {"Failed to read xml file [" +
                       testsupport::pathIn(*m_dir, QStringLiteral("absent.xml")) + "].",
                   "Faild to decryption config file [" +
                       testsupport::pathIn(*m_dir, QStringLiteral("absent.xml")) + "]."});
    writeRaw("");
    expectRefused(path, {"Failed to read xml file [" + path + "].",
                         "Faild to decryption config file [" + path + "]."});
    writeRaw("this is not base64 at all!");
    expectRefused(
        path,
        {"[log2.0]CDataEncryptionConfig::decryptionXML:read from xml.[this is not base64 at all!].",
         "Failed to read xml file [" + path + "].",
         "Faild to decryption config file [" + path + "]."});
    // Well-formed Base64 under another key.
    std::string foreign;
    ASSERT_TRUE(Base::Encrypt::AESBase64Encode(
        Base::Encrypt::AESParams("0123456789abcdef", "fedcba9876543210"),
        comm_methodlib::DESetup::BuildXml({"a", "b", "c", "d"}), foreign));
    writeRaw(foreign);
    expectRefused(path, {"Failed to read xml file [" + path + "].",
                         "Faild to decryption config file [" + path + "]."});
    writeRaw(std::string(20000, 'A'));
    expectRefused(path, {"Failed to read xml file [" + path + "]."});

    writeEncrypted("not xml <at all");
    expectRefused(path, {"Faild to load config file [" + path + "]."});
    writeEncrypted(
        "<Other><Segments><Segment1>a</Segment1><Segment3>c</Segment3></Segments></Other>");
    expectRefused(path, {"Faild to load config file [" + path + "]."});
    // A pair without any text would give the same key on every site.
    writeEncrypted(
        "<DESetup><Segments><Segment3>c</Segment3><Segment4>d</Segment4></Segments></DESetup>");
    expectRefused(path, {"Faild to load config file [" + path + "]."});
    writeEncrypted("<DESetup><Segments><Segment1>a</Segment1></Segments></DESetup>");
    expectRefused(path, {"Faild to load config file [" + path + "]."});
}
