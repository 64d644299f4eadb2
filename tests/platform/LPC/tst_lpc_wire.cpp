#include <lpc_wire/Frame.h>
#include <lpc_wire/FrameDecoder.h>
#include <lpc_wire/PeerCredentials.h>
#include <lpc_wire/SocketPath.h>

#include <testsupport/TempDir.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using lpcwire::Frame;
using lpcwire::FrameDecoder;
using lpcwire::FrameType;

namespace {

std::vector<Frame> sampleFrames()
{
    std::vector<Frame> frames;
    Frame call;
    call.type = FrameType::Call;
    call.id = 0xfedcba9876543210ull;
    call.flag1 = 1;
    call.flag2 = 1;
    call.text1 = "0";
    call.text2 = "VisitorManagement.C_x";
    call.headers = {{"url", ""}, {"method", "getWndHandle"}, {"protocol", "lpc"}};
    call.body = "{\"method\":\"getWndHandle\"}";
    frames.push_back(call);

    Frame response;
    response.type = FrameType::Response;
    response.id = 7;
    response.status = 1015;
    frames.push_back(response); // every string empty

    Frame binary;
    binary.type = FrameType::Request;
    binary.id = 1;
    binary.text1 = std::string("a\0b", 3);
    binary.headers[std::string("k\0", 2)] = std::string(300, '\xff');
    binary.body = std::string(70000, '\0');
    frames.push_back(binary);

    Frame notify;
    notify.type = FrameType::Notify;
    notify.text1 = "0";
    for (int i = 0; i < 100; ++i)
        notify.headers["h" + std::to_string(i)] = std::to_string(i);
    notify.body = "\xe4\xb8\xad\xe6\x96\x87"; // UTF-8 text passes as bytes
    frames.push_back(notify);
    return frames;
}

std::string encode(const Frame &f)
{
    std::string out;
    lpcwire::encodeFrame(f, out);
    return out;
}

std::string payloadOf(const Frame &f)
{
    return encode(f).substr(lpcwire::kLengthPrefixSize);
}

// Overwrites a little-endian u32 at offset in a payload.
void putU32(std::string &s, std::size_t offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[offset + i] = char((v >> (8 * i)) & 0xff);
}

} // namespace

TEST(LpcFrame, RoundTripsWholeAndInPieces)
{
    const auto frames = sampleFrames();
    std::string stream;
    for (const auto &f : frames) {
        const std::string bytes = encode(f);
        EXPECT_EQ(bytes.size(), lpcwire::kLengthPrefixSize + lpcwire::encodedPayloadSize(f));
        Frame back;
        ASSERT_TRUE(lpcwire::decodePayload(bytes.data() + 4, bytes.size() - 4, back));
        EXPECT_TRUE(back == f);
        stream += bytes;
    }
    // The same stream split at every chunk size must yield the same frames in order.
    for (std::size_t chunk : {std::size_t(1), std::size_t(3), std::size_t(4096), stream.size()}) {
        FrameDecoder decoder;
        std::vector<Frame> got;
        for (std::size_t pos = 0; pos < stream.size(); pos += chunk) {
            decoder.feed(stream.data() + pos, std::min(chunk, stream.size() - pos));
            Frame f;
            FrameDecoder::Status st;
            while ((st = decoder.next(f)) == FrameDecoder::Status::Frame)
                got.push_back(f);
            ASSERT_EQ(st, FrameDecoder::Status::NeedMore) << "chunk " << chunk;
        }
        ASSERT_EQ(got.size(), frames.size()) << "chunk " << chunk;
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_TRUE(got[i] == frames[i]) << "chunk " << chunk << " frame " << i;
        EXPECT_EQ(decoder.bufferedBytes(), 0u);
    }
}

TEST(LpcFrame, RejectsMalformedPayloads)
{
    const std::string good = payloadOf(sampleFrames()[0]);
    // Every strict prefix of a valid payload is a truncated frame.
    for (std::size_t len = 0; len < good.size(); ++len) {
        Frame f;
        EXPECT_FALSE(lpcwire::decodePayload(good.data(), len, f)) << "prefix " << len;
    }

    struct Case
    {
        const char *name;
        std::string payload;
    };
    std::vector<Case> cases;
    std::string s = good;
    s[0] = 0;
    cases.push_back({"type zero", s});
    s = good;
    s[0] = char(99);
    cases.push_back({"unknown type", s});
    cases.push_back({"trailing byte", good + "x"});
    s = good;
    putU32(s, 15, 0xffffffffu); // text1 length beyond the payload
    cases.push_back({"string length too big", s});
    Frame many;
    many.type = FrameType::Notify;
    s = payloadOf(many);
    putU32(s, 15 + 4 + 4, 0x40000000u); // header count with no room for the headers
    cases.push_back({"huge header count", s});
    Frame dup;
    dup.type = FrameType::Notify;
    dup.headers["a"] = "1";
    dup.headers["b"] = "2";
    s = payloadOf(dup);
    s[s.find('b', 27)] = 'a';
    cases.push_back({"duplicate header", s});

    for (const auto &c : cases) {
        Frame f;
        EXPECT_FALSE(lpcwire::decodePayload(c.payload.data(), c.payload.size(), f)) << c.name;
        // In a stream the decoder reports it and stays failed.
        std::string framed(4, '\0');
        putU32(framed, 0, std::uint32_t(c.payload.size()));
        framed += c.payload + encode(sampleFrames()[1]);
        FrameDecoder decoder;
        decoder.feed(framed.data(), framed.size());
        EXPECT_EQ(decoder.next(f), FrameDecoder::Status::Malformed) << c.name;
        EXPECT_EQ(decoder.next(f), FrameDecoder::Status::Malformed) << c.name;
    }
}

TEST(LpcFrame, OversizedLengthIsRejectedBeforeTheBodyArrives)
{
    FrameDecoder decoder(1024);
    std::string prefix(4, '\0');
    putU32(prefix, 0, 1025);
    decoder.feed(prefix.data(), prefix.size());
    Frame f;
    EXPECT_EQ(decoder.next(f), FrameDecoder::Status::TooLarge);
    decoder.feed("more", 4);
    EXPECT_EQ(decoder.next(f), FrameDecoder::Status::TooLarge);

    FrameDecoder defaults;
    putU32(prefix, 0, 0xffffffffu);
    defaults.feed(prefix.data(), prefix.size());
    EXPECT_EQ(defaults.next(f), FrameDecoder::Status::TooLarge);
    EXPECT_EQ(defaults.maxFrameSize(), 64u * 1024u * 1024u);

    // Exactly at the limit is fine.
    Frame big;
    big.type = FrameType::Notify;
    big.body = std::string(1024 - lpcwire::encodedPayloadSize(Frame{}), 'x');
    ASSERT_EQ(lpcwire::encodedPayloadSize(big), 1024u);
    const std::string bytes = encode(big);
    FrameDecoder limited(1024);
    limited.feed(bytes.data(), bytes.size());
    EXPECT_EQ(limited.next(f), FrameDecoder::Status::Frame);
}

class LpcSocketPath : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"QORVA_LPC_DIR", "XDG_RUNTIME_DIR"}) {
            const char *v = std::getenv(name);
            m_saved.push_back({name, v ? std::string(v) : std::string(), v != nullptr});
        }
        m_tmp = testsupport::makeTempDir(QStringLiteral("qlpcp"));
        m_dir = m_tmp->path().toStdString();
    }
    void TearDown() override
    {
        for (const auto &s : m_saved) {
            if (s.set)
                ::setenv(s.name, s.value.c_str(), 1);
            else
                ::unsetenv(s.name);
        }
    }
    struct Saved
    {
        const char *name;
        std::string value;
        bool set;
    };
    std::vector<Saved> m_saved;
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::string m_dir;
};

TEST_F(LpcSocketPath, DirectoryFollowsTheEnvironment)
{
    ::setenv("QORVA_LPC_DIR", "/x/override", 1);
    ::setenv("XDG_RUNTIME_DIR", "/run/user/42", 1);
    EXPECT_EQ(lpcwire::socketDirectory(), "/x/override");
    ::unsetenv("QORVA_LPC_DIR");
    EXPECT_EQ(lpcwire::socketDirectory(), "/run/user/42/qorva-lpc");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(lpcwire::socketDirectory(), "/tmp/qorva-lpc-" + std::to_string(::getuid()));
}

TEST_F(LpcSocketPath, NamesAndTheSunPathLimit)
{
    std::string error;
    EXPECT_EQ(lpcwire::maxSocketPathLength(), 107u);
    EXPECT_EQ(lpcwire::socketPathFor("/d", "srv", error), "/d/srv");
    EXPECT_EQ(lpcwire::socketPathFor("/d/", "srv", error), "/d/srv");
    for (const char *bad : {"", ".", "..", "a/b"}) {
        error.clear();
        EXPECT_TRUE(lpcwire::socketPathFor("/d", bad, error).empty()) << bad;
        EXPECT_NE(error.find("invalid server name"), std::string::npos) << bad;
    }
    const std::string dir = "/tmp";
    const std::string fits(107 - dir.size() - 1, 'n');
    EXPECT_EQ(lpcwire::socketPathFor(dir, fits, error).size(), 107u);
    error.clear();
    EXPECT_TRUE(lpcwire::socketPathFor(dir, fits + "n", error).empty());
    EXPECT_NE(error.find("QORVA_LPC_DIR"), std::string::npos) << error;
}

TEST_F(LpcSocketPath, DirectoryIsCreatedPrivateAndLooseOnesAreTightened)
{
    std::string error;
    const std::string nested = m_dir + "/a/b";
    ASSERT_TRUE(lpcwire::ensureSocketDirectory(nested, error)) << error;
    struct stat st
    {
    };
    ASSERT_EQ(::stat(nested.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    ASSERT_EQ(::chmod(nested.c_str(), 0755), 0);
    ASSERT_TRUE(lpcwire::ensureSocketDirectory(nested, error)) << error;
    ASSERT_EQ(::stat(nested.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    const std::string file = m_dir + "/file";
    ASSERT_EQ(std::system(("touch '" + file + "'").c_str()), 0);
    EXPECT_FALSE(lpcwire::ensureSocketDirectory(file, error));
    EXPECT_FALSE(lpcwire::isSocketFile(file));
}

TEST(LpcPeerCredentials, OnlyTheSameUidIsAllowed)
{
    EXPECT_TRUE(lpcwire::isPeerUidAllowed(1000, 1000));
    EXPECT_FALSE(lpcwire::isPeerUidAllowed(1001, 1000));
    EXPECT_FALSE(lpcwire::isPeerUidAllowed(0, 1000));
    EXPECT_FALSE(lpcwire::isPeerUidAllowed(1000, 0));

    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    uid_t uid = 12345;
    EXPECT_TRUE(lpcwire::peerUid(fds[0], uid));
    EXPECT_EQ(uid, ::getuid());
    ::close(fds[0]);
    ::close(fds[1]);
    EXPECT_FALSE(lpcwire::peerUid(-1, uid));
}
