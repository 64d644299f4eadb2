#include <Base/GuidUtil.h>
#include <Base/StringUtil.h>

#include <openssl/rand.h>

#include <random>

namespace Base {
namespace GuidUtil {

std::string CreateGuid()
{
    unsigned char bytes[16];
    if (RAND_bytes(bytes, sizeof(bytes)) != 1) {
        std::random_device rd;
        for (auto &b : bytes)
            b = static_cast<unsigned char>(rd());
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    return StringUtil::Vlue2HexString(bytes, sizeof(bytes));
}

} // namespace GuidUtil
} // namespace Base
