#pragma once
// Encryption helpers over OpenSSL: AES-128-CBC with PKCS#7 padding, AES-128-ECB for the
// library's own enciphered blocks, iterated SHA-256 and Base64.
//
// AES keys and IVs are byte strings of exactly 16 bytes (AES-128); any other size makes
// the call fail. Every function is safe to call from any thread; none throws and none
// crashes on bad input (bad Base64, bad padding, wrong sizes all return false).
//
// A wrong key is not always detected: a wrong key can pass the PKCS#7 padding check by
// chance (roughly 1 in 256), and the caller then gets garbage with a true result.

#include <Base/BaseExport.h>

#include <cstddef>
#include <string>
#include <utility>

namespace Base {
namespace Encrypt {

/// The AES key and initialisation vector, each a byte string of 16 bytes.
struct BASE_EXPORT AESParams
{
    std::string key;
    std::string iv;

    AESParams() = default;
    AESParams(std::string keyBytes, std::string ivBytes) : key(std::move(keyBytes)), iv(std::move(ivBytes)) {}
    bool isValid() const { return key.size() == 16 && iv.size() == 16; }
    friend bool operator==(const AESParams &a, const AESParams &b) { return a.key == b.key && a.iv == b.iv; }
    friend bool operator!=(const AESParams &a, const AESParams &b) { return !(a == b); }
};

/// Sets the process-wide AES parameters (used by every thread that has no scoped override).
/// Until the first call they are empty, and the AES functions without explicit parameters fail.
BASE_EXPORT void SetAESParams(const AESParams &params);
/// The process-wide parameters, ignoring any scoped override.
BASE_EXPORT AESParams GetProcessAESParams();
/// The parameters in effect on the calling thread: its innermost CAESParamsSetRAII
/// override when one is alive, else the process-wide ones.
BASE_EXPORT AESParams GetAESParams();

/// Scoped override of the AES parameters on the calling thread only: other threads keep
/// seeing the process-wide parameters. Scopes nest; the destructor restores what was in
/// effect before. Must be destroyed on the thread that created it.
class BASE_EXPORT CAESParamsSetRAII
{
public:
    explicit CAESParamsSetRAII(const AESParams &params);
    ~CAESParamsSetRAII();
    CAESParamsSetRAII(const CAESParamsSetRAII &) = delete;
    CAESParamsSetRAII &operator=(const CAESParamsSetRAII &) = delete;

private:
    bool m_hadPrevious;
    AESParams m_previous;
};

/// AES-128-CBC of raw bytes. With pkcs7 the plain text is padded (encrypt) or the padding
/// is checked and removed (decrypt); without it the input size must be a multiple of 16.
/// Returns false on invalid parameters, a cipher text whose size is not a non-zero
/// multiple of 16, or bad padding; out is then cleared.
BASE_EXPORT bool AESEncrypt(const AESParams &params, const std::string &plain, std::string &out,
                            bool pkcs7 = true);
BASE_EXPORT bool AESDecrypt(const AESParams &params, const std::string &cipher, std::string &out,
                            bool pkcs7 = true);

/// AES-128-CBC + PKCS#7 of plain, then Base64 (no line breaks). Uses the parameters in
/// effect on the calling thread (GetAESParams) unless given explicitly.
BASE_EXPORT bool AESBase64Encode(const std::string &plain, std::string &base64);
BASE_EXPORT bool AESBase64Encode(const AESParams &params, const std::string &plain,
                                 std::string &base64);
/// Inverse of AESBase64Encode. White space in the Base64 text is ignored. Returns false
/// (out cleared) on bad Base64, bad sizes, bad padding or invalid parameters.
BASE_EXPORT bool AESBase64Decode(const std::string &base64, std::string &plain);
BASE_EXPORT bool AESBase64Decode(const AESParams &params, const std::string &base64,
                                 std::string &plain);

/// AES-128-ECB decryption with the library's own built-in key, PKCS#7 padding removed.
/// Meant for the library's enciphered 32-byte blocks (a 16-byte secret plus one block of
/// padding), but any non-zero multiple of 16 bytes is accepted. Returns false (out
/// cleared) on a null pointer, a bad size or bad padding.
BASE_EXPORT bool ecbDecrypt(const unsigned char *cipher, std::size_t size, std::string &out);
BASE_EXPORT bool ecbDecrypt(const std::string &cipher, std::string &out);
/// The inverse of ecbDecrypt (AES-128-ECB, built-in key, PKCS#7): a 16-byte secret gives
/// a 32-byte block. Used to produce enciphered blocks that are compiled into programs.
BASE_EXPORT bool ecbEncrypt(const std::string &plain, std::string &out);

/// Iterated SHA-256: D = SHA-256(input), then (iterations - 1) times D = SHA-256(D) over
/// the previous 32-byte digest ("hash of hash"). iterations < 1 counts as 1, so 1 gives
/// the plain SHA-256 of input. Copies the first min(outSize, 32) bytes of D to out.
/// Returns false when out is null or outSize is 0.
BASE_EXPORT bool Sha256(unsigned char *out, std::size_t outSize, const std::string &input,
                        int iterations = 1);

/// Standard Base64 (RFC 4648 alphabet, '=' padding) without line breaks.
BASE_EXPORT std::string Base64EncodeEx(const unsigned char *data, std::size_t size);
BASE_EXPORT std::string Base64EncodeEx(const std::string &bytes);
/// Strict Base64 decoder: white space is skipped; any other character outside the
/// alphabet, a bad length, misplaced '=' or non-zero trailing bits fail (out cleared).
/// An empty text decodes to empty bytes (true).
BASE_EXPORT bool Base64DecodeEx(const std::string &text, std::string &out);

} // namespace Encrypt
} // namespace Base
