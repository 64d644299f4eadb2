#include "DataEncryptionConfig.h"

#include <Common/CommonMethod/Proto/XmlProto.h>

#include <comm_methodlib/DESetupFile.h>

#include <Base/Log.h>
#include <Base/StringUtil.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace comm_method {

namespace {

// A real file is a few hundred bytes; anything far larger is not one and is not logged.
constexpr std::streamsize kMaxFileSize = 16 * 1024;
constexpr int kDigestSize = 32;
constexpr int kSha256Iterations = 100;

bool readSmallFile(const std::string &path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && !text.empty() && static_cast<std::streamsize>(text.size()) <= kMaxFileSize;
}

} // namespace

std::string CDataEncryptionConfig::decryptionXML(const std::string &path)
{
    std::string text;
    if (!readSmallFile(path, text)) {
        LOG_ERROR("Failed to read xml file [%s].", path.c_str());
        return std::string();
    }
    LOG_ERROR("[log2.0]CDataEncryptionConfig::decryptionXML:read from xml.[%s].", text.c_str());

    // The host writes the file with these parameters: one definition for both sides.
    Base::Encrypt::AESParams fileParams;
    std::string plain;
    if (comm_methodlib::DESetup::FileAESParams(fileParams)) {
        Base::Encrypt::CAESParamsSetRAII scope(fileParams);
        Base::Encrypt::AESBase64Decode(text, plain);
    }
    if (plain.empty()) {
        LOG_ERROR("Failed to read xml file [%s].", path.c_str());
        return std::string();
    }
    return plain;
}

bool CDataEncryptionConfig::loadConfig(const std::string &path)
{
    m_bLoaded = false;
    const std::string xml = decryptionXML(path);
    if (xml.empty()) {
        LOG_ERROR("Faild to decryption config file [%s].", path.c_str());
        return false;
    }
    m_strPath = path;
    proto::CXmlProto doc;
    if (!doc.set_str(xml) || !doc.is_exist("/DESetup")) {
        LOG_ERROR("Faild to load config file [%s].", path.c_str());
        return false;
    }
    std::string segments[4];
    for (int i = 0; i < 4; ++i) {
        char segmentPath[64];
        std::snprintf(segmentPath, sizeof(segmentPath), "/DESetup/Segments/Segment%d", i + 1);
        segments[i] = doc.get_text(segmentPath, std::string());
    }
    if ((segments[0] + segments[1]).empty() || (segments[2] + segments[3]).empty()) {
        LOG_ERROR("Faild to load config file [%s].", path.c_str());
        LOG_ERROR(
            "The configuration [%s] lacks segments 1 and 2 or 3 and 4: no key is derived from it.",
            path.c_str());
        return false;
    }
    derive(segments, m_aesParams, m_strStaticKey);
    m_bLoaded = true;
    return true;
}

void CDataEncryptionConfig::derive(const std::string (&segments)[4],
                                   Base::Encrypt::AESParams &params, std::string &staticKey)
{
    unsigned char first[kDigestSize];
    unsigned char second[kDigestSize];
    Base::Encrypt::Sha256(first, sizeof(first), segments[0] + segments[1], kSha256Iterations);
    Base::Encrypt::Sha256(second, sizeof(second), segments[2] + segments[3], kSha256Iterations);
    params = Base::Encrypt::AESParams(Base::StringUtil::Vlue2HexString(first, 8),
                                      Base::StringUtil::Vlue2HexString(second, 8));
    unsigned char key[kDigestSize];
    std::copy(first + 16, first + 32, key);
    std::copy(second, second + 16, key + 16);
    staticKey = Base::Encrypt::Base64EncodeEx(key, sizeof(key));
}

} // namespace comm_method
