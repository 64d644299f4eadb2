#include <Base/Encrypt.h>
#include <Base/StringUtil.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

using namespace Base::Encrypt;
using Base::StringUtil::Vlue2HexString;

namespace {

std::string fromHex(const std::string &hex)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

// NIST SP 800-38A, F.2.1 CBC-AES128.Encrypt (and F.2.2 Decrypt).
const AESParams kNist(fromHex("2b7e151628aed2a6abf7158809cf4f3c"), fromHex("000102030405060708090a0b0c0d0e0f"));
const std::string kNistPlain = fromHex("6bc1bee22e409f96e93d7e117393172a"
                                       "ae2d8a571e03ac9c9eb76fac45af8e51"
                                       "30c81c46a35ce411e5fbc1191a0a52ef"
                                       "f69f2445df4f9b17ad2b417be66c3710");
const std::string kNistCipher = fromHex("7649abac8119b246cee98e9b12e9197d"
                                        "5086cb9b507219ee95db113a917678b2"
                                        "73bed6b8e3c1743b7116e69e22229516"
                                        "3ff1caa1681fac09120eca307586e1a7");
// The same with PKCS#7 padding (one more block), as `openssl enc -aes-128-cbc` writes it.
const char kNistPaddedBase64[] = "dkmrrIEZskbO6Y6bEukZfVCGy5tQchnuldsROpF2eLJzvta448F0O3EW5p4iIpUW"
                                 "P/HKoWgfrAkSDsowdYbhp4y4KAcjDhMh0/rgDRjMIBI=";

std::string sha256Hex(const std::string &input, int iterations)
{
    unsigned char out[32];
    EXPECT_TRUE(Sha256(out, sizeof(out), input, iterations));
    return Vlue2HexString(out, sizeof(out));
}

} // namespace

TEST(AesCbc, NistVectorsWithoutPadding)
{
    std::string cipher;
    ASSERT_TRUE(AESEncrypt(kNist, kNistPlain, cipher, false));
    EXPECT_EQ(Vlue2HexString(cipher), Vlue2HexString(kNistCipher));
    std::string plain;
    ASSERT_TRUE(AESDecrypt(kNist, kNistCipher, plain, false));
    EXPECT_EQ(plain, kNistPlain);
}

TEST(AesCbc, Base64FormIsNistCipherPlusPaddingBlock)
{
    std::string b64;
    ASSERT_TRUE(AESBase64Encode(kNist, kNistPlain, b64));
    EXPECT_EQ(b64, kNistPaddedBase64);
    std::string raw;
    ASSERT_TRUE(Base64DecodeEx(b64, raw));
    ASSERT_EQ(raw.size(), 80u);
    EXPECT_EQ(raw.substr(0, 64), kNistCipher);

    std::string plain;
    ASSERT_TRUE(AESBase64Decode(kNist, b64, plain));
    EXPECT_EQ(plain, kNistPlain);
    // Line breaks in the stored text are ignored.
    std::string wrapped = std::string(kNistPaddedBase64).insert(64, "\r\n") + "\n";
    ASSERT_TRUE(AESBase64Decode(kNist, wrapped, plain));
    EXPECT_EQ(plain, kNistPlain);
}

TEST(AesCbc, KnownShortTextAndRoundTrips)
{
    std::string b64;
    ASSERT_TRUE(AESBase64Encode(kNist, "hello, \xe4\xb8\xad\xe6\x96\x87", b64));
    EXPECT_EQ(b64, "aZV0ve/dHyEpMp2fEEmYkQ==");
    for (std::size_t len : {0u, 1u, 15u, 16u, 17u, 31u, 32u, 33u, 1000u}) {
        std::string text(len, '\0');
        for (std::size_t i = 0; i < len; ++i)
            text[i] = static_cast<char>(i * 7 + 3);
        ASSERT_TRUE(AESBase64Encode(kNist, text, b64)) << len;
        std::string raw;
        ASSERT_TRUE(Base64DecodeEx(b64, raw));
        EXPECT_EQ(raw.size(), (len / 16 + 1) * 16) << len;
        std::string back;
        ASSERT_TRUE(AESBase64Decode(kNist, b64, back)) << len;
        EXPECT_EQ(back, text) << len;
    }
}

TEST(AesCbc, BadInputFailsWithoutCrashing)
{
    std::string out = "stale";
    EXPECT_FALSE(AESBase64Decode(kNist, "not base64 !!", out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(AESBase64Decode(kNist, "", out));                    // no cipher block
    EXPECT_FALSE(AESBase64Decode(kNist, "QUJD", out));                // 3 bytes: not a block
    // The NIST cipher text has no PKCS#7 padding: its last block decrypts to 0x10 0x37...
    EXPECT_FALSE(AESBase64Decode(kNist, Base64EncodeEx(kNistCipher), out));
    EXPECT_TRUE(out.empty());
    // Flip a bit of the last block's predecessor: the padding byte changes -> rejected.
    std::string raw;
    ASSERT_TRUE(Base64DecodeEx(kNistPaddedBase64, raw));
    raw[63] = static_cast<char>(raw[63] ^ 0x01);
    EXPECT_FALSE(AESBase64Decode(kNist, Base64EncodeEx(raw), out));
    // Wrong key/IV sizes.
    EXPECT_FALSE(AESBase64Encode(AESParams("short", "0123456789abcdef"), "x", out));
    EXPECT_FALSE(AESBase64Encode(AESParams("0123456789abcdef", ""), "x", out));
    EXPECT_FALSE(AESEncrypt(kNist, "odd size", out, false));
}

TEST(AesParams, ProcessWideAndScopedOverridePerThread)
{
    const AESParams a("AAAAAAAAAAAAAAAA", "aaaaaaaaaaaaaaaa");
    const AESParams b("BBBBBBBBBBBBBBBB", "bbbbbbbbbbbbbbbb");
    const AESParams c("CCCCCCCCCCCCCCCC", "cccccccccccccccc");
    SetAESParams(a);
    EXPECT_EQ(GetAESParams(), a);
    std::string encA;
    ASSERT_TRUE(AESBase64Encode("payload", encA));
    {
        CAESParamsSetRAII scopeB(b);
        EXPECT_EQ(GetAESParams(), b);
        EXPECT_EQ(GetProcessAESParams(), a);
        AESParams seenOnOtherThread;
        std::thread([&] { seenOnOtherThread = GetAESParams(); }).join();
        EXPECT_EQ(seenOnOtherThread, a);
        {
            CAESParamsSetRAII scopeC(c);
            EXPECT_EQ(GetAESParams(), c);
        }
        EXPECT_EQ(GetAESParams(), b);
        std::string out;
        ASSERT_TRUE(AESBase64Encode("payload", out));
        EXPECT_NE(out, encA);
        std::string back;
        ASSERT_TRUE(AESBase64Decode(out, back));
        EXPECT_EQ(back, "payload");
    }
    EXPECT_EQ(GetAESParams(), a);
    std::string back;
    ASSERT_TRUE(AESBase64Decode(encA, back));
    EXPECT_EQ(back, "payload");
    SetAESParams(AESParams());
    EXPECT_FALSE(AESBase64Encode("payload", back));
}

TEST(Ecb, BuiltinKeyRoundTripOfSecretBlocks)
{
    std::string block;
    ASSERT_TRUE(ecbEncrypt("0123456789abcdef", block));
    ASSERT_EQ(block.size(), 32u);
    std::string plain;
    ASSERT_TRUE(ecbDecrypt(reinterpret_cast<const unsigned char *>(block.data()), block.size(), plain));
    EXPECT_EQ(plain, "0123456789abcdef");
    EXPECT_FALSE(ecbDecrypt(nullptr, 32, plain));
    EXPECT_FALSE(ecbDecrypt(block.substr(0, 31), plain));
    EXPECT_FALSE(ecbDecrypt(std::string(), plain));
    std::string broken = block;
    broken[31] = static_cast<char>(broken[31] ^ 0x55); // last block garbled: padding fails
    EXPECT_FALSE(ecbDecrypt(broken, plain));
    EXPECT_TRUE(plain.empty());
}

TEST(Sha256, KnownVectors)
{
    EXPECT_EQ(sha256Hex("abc", 1), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex("", 1), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(Sha256, IterationsHashTheDigestAgain)
{
    // iterations < 1 behave as 1.
    EXPECT_EQ(sha256Hex("abc", 0), sha256Hex("abc", 1));
    EXPECT_EQ(sha256Hex("abc", -5), sha256Hex("abc", 1));
    // 2 = SHA-256 of the 32 raw bytes of SHA-256("abc").
    EXPECT_EQ(sha256Hex("abc", 2), "4f8b42c22dd3729b519ba6f68d2da7cc5b2d606d05daed5ad5128cc03e6c6358");
    EXPECT_EQ(sha256Hex(fromHex(sha256Hex("abc", 1)), 1), sha256Hex("abc", 2));
    EXPECT_EQ(sha256Hex("abc", 100), "45b9d3cf77ffa0063dc37b84bcb3db9cef42eac523ec3f6a3ead7e40d2c4776b");
}

TEST(Sha256, OutputSizes)
{
    unsigned char small[8];
    ASSERT_TRUE(Sha256(small, sizeof(small), "abc", 1));
    EXPECT_EQ(Vlue2HexString(small, sizeof(small)), "ba7816bf8f01cfea");
    unsigned char big[40];
    std::fill(std::begin(big), std::end(big), 0xEE);
    ASSERT_TRUE(Sha256(big, sizeof(big), "abc", 1));
    EXPECT_EQ(big[31], 0xad);
    EXPECT_EQ(big[32], 0xEE); // nothing written past the digest
    EXPECT_FALSE(Sha256(nullptr, 32, "abc", 1));
    EXPECT_FALSE(Sha256(small, 0, "abc", 1));
}

TEST(Base64, Rfc4648Vectors)
{
    const std::pair<const char *, const char *> vectors[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}};
    for (const auto &v : vectors) {
        EXPECT_EQ(Base64EncodeEx(v.first), v.second);
        std::string out;
        ASSERT_TRUE(Base64DecodeEx(v.second, out)) << v.second;
        EXPECT_EQ(out, v.first);
    }
}

TEST(Base64, BinaryRoundTripWithoutLineBreaks)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    all += all + all;
    std::string b64 = Base64EncodeEx(all);
    EXPECT_EQ(b64.find('\n'), std::string::npos);
    EXPECT_EQ(b64.size(), 1024u);
    std::string back;
    ASSERT_TRUE(Base64DecodeEx(b64, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Base64EncodeEx(nullptr, 3), "");
}

TEST(Base64, BadInputIsRejected)
{
    std::string out = "stale";
    for (const char *bad : {"Zg=", "Zg", "Z", "Zm9v!", "Zm9vY*==", "=Zm9", "Zg==Zg==", "Z===", "Zm=v",
                            "Zh==", "Zm9=", "\xff\xfe\xfd\xfc"}) {
        EXPECT_FALSE(Base64DecodeEx(bad, out)) << bad;
        EXPECT_TRUE(out.empty()) << bad;
    }
    EXPECT_TRUE(Base64DecodeEx(" Zm9v\nYmFy\t", out));
    EXPECT_EQ(out, "foobar");
    EXPECT_TRUE(Base64DecodeEx("  \n", out));
    EXPECT_EQ(out, "");
}
