#include <Base/Encoding.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include <iconv.h>

namespace Base {

namespace {

std::string convert(const std::string &input, const std::string &to, const std::string &from)
{
    if (input.empty())
        return std::string();
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return input;
    std::string out;
    out.reserve(input.size() * 2);
    char *in = const_cast<char *>(input.data());
    size_t inLeft = input.size();
    std::vector<char> buf(4096);
    while (inLeft > 0) {
        char *outPtr = buf.data();
        size_t outLeft = buf.size();
        size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buf.data(), buf.size() - outLeft);
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            if (errno == EILSEQ || errno == EINVAL) {
                // Unrepresentable or broken sequence: emit '?' for one UTF-8 character
                // (or one byte) and go on.
                size_t skip = 1;
                if (from == "UTF-8") {
                    unsigned char c = static_cast<unsigned char>(*in);
                    skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
                    if (skip > inLeft)
                        skip = inLeft;
                }
                if (errno == EILSEQ || from != "UTF-8")
                    out.push_back('?');
                in += skip;
                inLeft -= skip;
                continue;
            }
            break;
        }
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv_close(cd);
    return out;
}

} // namespace

std::string LocalCodePage()
{
    const char *env = std::getenv("QORVA_LOCAL_CODEPAGE");
    return env && *env ? std::string(env) : std::string("GBK");
}

std::string UTF8ToLocal(const std::string &utf8)
{
    return convert(utf8, LocalCodePage(), "UTF-8");
}

std::string LocalToUTF8(const std::string &local)
{
    return convert(local, "UTF-8", LocalCodePage());
}

} // namespace Base
