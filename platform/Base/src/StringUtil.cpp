#include <Base/StringUtil.h>

#include <cstring>

namespace Base {
namespace StringUtil {

std::string StringEraseInvalidChar(const std::string &text)
{
    static const char kInvalid[] = "/\\:*?\"<>|";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\0' || std::strchr(kInvalid, c) == nullptr)
            out.push_back(c);
    }
    return out;
}

std::vector<std::string> SplitString(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    if (separator.empty()) {
        parts.push_back(text);
        return parts;
    }
    size_t start = 0;
    for (;;) {
        size_t pos = text.find(separator, start);
        if (pos == std::string::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, pos - start));
        start = pos + separator.size();
    }
}

std::string Vlue2HexString(const unsigned char *data, std::size_t size)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(kDigits[data[i] >> 4]);
        out.push_back(kDigits[data[i] & 0x0F]);
    }
    return out;
}

std::string Vlue2HexString(const std::string &bytes)
{
    return Vlue2HexString(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

} // namespace StringUtil
} // namespace Base
