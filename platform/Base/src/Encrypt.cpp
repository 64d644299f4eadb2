#include <Base/Encrypt.h>

#include <openssl/evp.h>
#include <openssl/sha.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

namespace Base {
namespace Encrypt {

namespace {

// The library's own key for its enciphered blocks (see ecbDecrypt).
const unsigned char kBuiltinEcbKey[16] = {0x5a, 0x1c, 0x93, 0x7e, 0x40, 0xd2, 0x6b, 0xa8,
                                          0x31, 0xf7, 0x0e, 0xc5, 0x88, 0x24, 0xbd, 0x66};

std::mutex g_paramsMutex;
AESParams g_processParams;

// Innermost scoped override of this thread, if any.
thread_local bool t_hasOverride = false;
thread_local AESParams t_override;

struct CtxFree
{
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

bool runCipher(const EVP_CIPHER *cipher, const unsigned char *key, const unsigned char *iv, bool encrypt,
               bool padding, const unsigned char *in, std::size_t inSize, std::string &out)
{
    out.clear();
    if (inSize > static_cast<std::size_t>(INT32_MAX) - 32)
        return false;
    std::unique_ptr<EVP_CIPHER_CTX, CtxFree> ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return false;
    if (EVP_CipherInit_ex(ctx.get(), cipher, nullptr, key, iv, encrypt ? 1 : 0) != 1)
        return false;
    EVP_CIPHER_CTX_set_padding(ctx.get(), padding ? 1 : 0);
    std::vector<unsigned char> buf(inSize + 32);
    int len1 = 0;
    if (inSize > 0 && EVP_CipherUpdate(ctx.get(), buf.data(), &len1, in, static_cast<int>(inSize)) != 1)
        return false;
    int len2 = 0;
    if (EVP_CipherFinal_ex(ctx.get(), buf.data() + len1, &len2) != 1)
        return false;
    out.assign(reinterpret_cast<const char *>(buf.data()), static_cast<std::size_t>(len1 + len2));
    return true;
}

int base64Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

bool isSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

void SetAESParams(const AESParams &params)
{
    std::lock_guard<std::mutex> lock(g_paramsMutex);
    g_processParams = params;
}

AESParams GetProcessAESParams()
{
    std::lock_guard<std::mutex> lock(g_paramsMutex);
    return g_processParams;
}

AESParams GetAESParams()
{
    if (t_hasOverride)
        return t_override;
    return GetProcessAESParams();
}

CAESParamsSetRAII::CAESParamsSetRAII(const AESParams &params)
    : m_hadPrevious(t_hasOverride), m_previous(t_hasOverride ? t_override : AESParams())
{
    t_override = params;
    t_hasOverride = true;
}

CAESParamsSetRAII::~CAESParamsSetRAII()
{
    t_override = m_previous;
    t_hasOverride = m_hadPrevious;
}

bool AESEncrypt(const AESParams &params, const std::string &plain, std::string &out, bool pkcs7)
{
    out.clear();
    if (!params.isValid())
        return false;
    if (!pkcs7 && plain.size() % 16 != 0)
        return false;
    return runCipher(EVP_aes_128_cbc(), reinterpret_cast<const unsigned char *>(params.key.data()),
                     reinterpret_cast<const unsigned char *>(params.iv.data()), true, pkcs7,
                     reinterpret_cast<const unsigned char *>(plain.data()), plain.size(), out);
}

bool AESDecrypt(const AESParams &params, const std::string &cipher, std::string &out, bool pkcs7)
{
    out.clear();
    if (!params.isValid() || cipher.empty() || cipher.size() % 16 != 0)
        return false;
    return runCipher(EVP_aes_128_cbc(), reinterpret_cast<const unsigned char *>(params.key.data()),
                     reinterpret_cast<const unsigned char *>(params.iv.data()), false, pkcs7,
                     reinterpret_cast<const unsigned char *>(cipher.data()), cipher.size(), out);
}

bool AESBase64Encode(const std::string &plain, std::string &base64)
{
    return AESBase64Encode(GetAESParams(), plain, base64);
}

bool AESBase64Encode(const AESParams &params, const std::string &plain, std::string &base64)
{
    base64.clear();
    std::string cipher;
    if (!AESEncrypt(params, plain, cipher, true))
        return false;
    base64 = Base64EncodeEx(cipher);
    return true;
}

bool AESBase64Decode(const std::string &base64, std::string &plain)
{
    return AESBase64Decode(GetAESParams(), base64, plain);
}

bool AESBase64Decode(const AESParams &params, const std::string &base64, std::string &plain)
{
    plain.clear();
    std::string cipher;
    if (!Base64DecodeEx(base64, cipher))
        return false;
    return AESDecrypt(params, cipher, plain, true);
}

bool ecbDecrypt(const unsigned char *cipher, std::size_t size, std::string &out)
{
    out.clear();
    if (!cipher || size == 0 || size % 16 != 0)
        return false;
    return runCipher(EVP_aes_128_ecb(), kBuiltinEcbKey, nullptr, false, true, cipher, size, out);
}

bool ecbDecrypt(const std::string &cipher, std::string &out)
{
    return ecbDecrypt(reinterpret_cast<const unsigned char *>(cipher.data()), cipher.size(), out);
}

bool ecbEncrypt(const std::string &plain, std::string &out)
{
    return runCipher(EVP_aes_128_ecb(), kBuiltinEcbKey, nullptr, true, true,
                     reinterpret_cast<const unsigned char *>(plain.data()), plain.size(), out);
}

bool Sha256(unsigned char *out, std::size_t outSize, const std::string &input, int iterations)
{
    if (!out || outSize == 0)
        return false;
    unsigned char digest[SHA256_DIGEST_LENGTH];
    unsigned int len = 0;
    if (EVP_Digest(input.data(), input.size(), digest, &len, EVP_sha256(), nullptr) != 1)
        return false;
    for (int i = 1; i < iterations; ++i) {
        unsigned char next[SHA256_DIGEST_LENGTH];
        if (EVP_Digest(digest, sizeof(digest), next, &len, EVP_sha256(), nullptr) != 1)
            return false;
        std::memcpy(digest, next, sizeof(digest));
    }
    std::memcpy(out, digest, outSize < sizeof(digest) ? outSize : sizeof(digest));
    return true;
}

std::string Base64EncodeEx(const unsigned char *data, std::size_t size)
{
    if (!data || size == 0 || size > static_cast<std::size_t>(INT32_MAX) / 4 * 3 - 3)
        return std::string();
    std::string out((size + 2) / 3 * 4 + 1, '\0');
    int n = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(&out[0]), data, static_cast<int>(size));
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

std::string Base64EncodeEx(const std::string &bytes)
{
    return Base64EncodeEx(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

// Hand-written: EVP_DecodeBlock keeps the padding as zero bytes and accepts
// non-canonical input, and the decoder must reject bad text.
bool Base64DecodeEx(const std::string &text, std::string &out)
{
    out.clear();
    std::string clean;
    clean.reserve(text.size());
    for (char ch : text) {
        if (!isSpace(static_cast<unsigned char>(ch)))
            clean.push_back(ch);
    }
    if (clean.empty())
        return true;
    if (clean.size() % 4 != 0)
        return false;
    std::size_t pad = 0;
    if (clean[clean.size() - 1] == '=')
        ++pad;
    if (clean[clean.size() - 2] == '=')
        ++pad;
    if (pad == 1 && clean[clean.size() - 2] == '=')
        return false;
    std::string result;
    result.reserve(clean.size() / 4 * 3);
    const std::size_t dataLen = clean.size() - pad;
    for (std::size_t i = 0; i < clean.size(); i += 4) {
        unsigned v = 0;
        int valid = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            std::size_t pos = i + j;
            if (pos >= dataLen) {
                v <<= 6;
                continue;
            }
            int d = base64Value(static_cast<unsigned char>(clean[pos]));
            if (d < 0)
                return false;
            v = (v << 6) | static_cast<unsigned>(d);
            ++valid;
        }
        result.push_back(static_cast<char>((v >> 16) & 0xFF));
        if (valid >= 3)
            result.push_back(static_cast<char>((v >> 8) & 0xFF));
        if (valid == 4)
            result.push_back(static_cast<char>(v & 0xFF));
        // The bits that padding drops must be zero (canonical encoding).
        if ((valid == 2 && (v & 0xFFFF) != 0) || (valid == 3 && (v & 0xFF) != 0))
            return false;
    }
    out.swap(result);
    return true;
}

} // namespace Encrypt
} // namespace Base
