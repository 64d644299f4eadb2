#pragma once
// Reads the framework's encrypted configuration (DESetup.xml) and derives from its four
// segments the process-wide AES parameters and the static database key.

#include <Base/Encrypt.h>

#include <string>

namespace comm_method {

class CDataEncryptionConfig
{
public:
    /// Decrypts and parses the file, then derives the parameters. False (with the fixed
    /// error lines) when the file does not decrypt or parse, or when a pair of segments
    /// (1 and 2, or 3 and 4) is entirely empty: a key derived from nothing would be the
    /// same everywhere. Nothing is derived then.
    bool loadConfig(const std::string &path);
    /// The plain XML of the file; empty when it cannot be read or decrypted.
    std::string decryptionXML(const std::string &path);

    const std::string &path() const { return m_strPath; }
    const Base::Encrypt::AESParams &aesParams() const { return m_aesParams; }
    /// 44 characters of Base64.
    const std::string &staticKey() const { return m_strStaticKey; }
    bool isLoaded() const { return m_bLoaded; }

    /// The derivation on its own: AES parameters from S1 S2 and S3 S4, the static key
    /// from both digests.
    static void derive(const std::string (&segments)[4], Base::Encrypt::AESParams &params,
                       std::string &staticKey);

private:
    std::string m_strPath;
    Base::Encrypt::AESParams m_aesParams;
    std::string m_strStaticKey;
    bool m_bLoaded = false;
};

} // namespace comm_method
