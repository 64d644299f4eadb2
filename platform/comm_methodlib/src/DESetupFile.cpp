#include <comm_methodlib/DESetupFile.h>

#include <Base/Encrypt.h>
#include <Base/FileUtil.h>
#include <Base/GuidUtil.h>
#include <Base/Log.h>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace comm_methodlib {
namespace DESetup {

// AES-128-ECB (Base::Encrypt's built-in key) of the 16-character key and IV, PKCS#7 padded.
const unsigned char kEncipheredKey[32] = {
    0x02, 0xe7, 0x22, 0x85, 0xe4, 0x84, 0x37, 0x13, 0xa3, 0x98, 0x65, 0x56, 0x83, 0xbe, 0x4f, 0x8e,
    0x0f, 0xcd, 0x7b, 0x04, 0x4a, 0xa7, 0x37, 0x2f, 0x5a, 0x6e, 0x37, 0xe1, 0x06, 0x98, 0x26, 0xfb};
const unsigned char kEncipheredIV[32] = {
    0xe5, 0xde, 0x05, 0xdf, 0x88, 0x69, 0x6a, 0xd0, 0x9d, 0x93, 0x76, 0xa5, 0x2e, 0x03, 0x1c, 0x9a,
    0x0f, 0xcd, 0x7b, 0x04, 0x4a, 0xa7, 0x37, 0x2f, 0x5a, 0x6e, 0x37, 0xe1, 0x06, 0x98, 0x26, 0xfb};

namespace {

struct DocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

const xmlChar *X(const char *s)
{
    return reinterpret_cast<const xmlChar *>(s);
}

std::string parentDir(const std::string &path)
{
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

} // namespace

bool FileAESParams(Base::Encrypt::AESParams &params)
{
    std::string key, iv;
    if (!Base::Encrypt::ecbDecrypt(kEncipheredKey, sizeof(kEncipheredKey), key)
        || !Base::Encrypt::ecbDecrypt(kEncipheredIV, sizeof(kEncipheredIV), iv))
        return false;
    params = Base::Encrypt::AESParams(key, iv);
    return params.isValid();
}

std::string BuildXml(const Segments &segments)
{
    DocPtr doc(xmlNewDoc(X("1.0")));
    xmlNode *root = xmlNewDocNode(doc.get(), nullptr, X("DESetup"), nullptr);
    xmlDocSetRootElement(doc.get(), root);
    xmlNode *list = xmlNewChild(root, nullptr, X("Segments"), nullptr);
    for (int i = 0; i < kSegmentCount; ++i) {
        const std::string name = "Segment" + std::to_string(i + 1);
        // xmlNewTextChild escapes the content.
        xmlNewTextChild(list, nullptr, X(name.c_str()), X(segments[static_cast<std::size_t>(i)].c_str()));
    }
    xmlChar *mem = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc.get(), &mem, &size, "UTF-8", 0);
    std::string out = mem ? std::string(reinterpret_cast<const char *>(mem), static_cast<std::size_t>(size)) : std::string();
    xmlFree(mem);
    return out;
}

bool ParseSegments(const std::string &xml, Segments &segments)
{
    for (auto &s : segments)
        s.clear();
    if (xml.empty())
        return false;
    DocPtr doc(xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, "UTF-8",
                             XML_PARSE_NOBLANKS | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!doc)
        return false;
    xmlNode *root = xmlDocGetRootElement(doc.get());
    if (!root || xmlStrcmp(root->name, X("DESetup")) != 0)
        return false;
    std::unique_ptr<xmlXPathContext, void (*)(xmlXPathContextPtr)> ctx(xmlXPathNewContext(doc.get()),
                                                                         xmlXPathFreeContext);
    if (!ctx)
        return false;
    for (int i = 0; i < kSegmentCount; ++i) {
        const std::string path = "/DESetup/Segments/Segment" + std::to_string(i + 1);
        xmlXPathObject *result = xmlXPathEvalExpression(X(path.c_str()), ctx.get());
        if (result && result->type == XPATH_NODESET && result->nodesetval && result->nodesetval->nodeNr > 0) {
            xmlNode *node = result->nodesetval->nodeTab[0];
            xmlChar *text = xmlNodeListGetString(doc.get(), node->children, 1);
            if (text)
                segments[static_cast<std::size_t>(i)] = reinterpret_cast<const char *>(text);
            xmlFree(text);
        }
        xmlXPathFreeObject(result);
    }
    return true;
}

Segments GenerateSegments()
{
    Segments s;
    for (auto &seg : s)
        seg = Base::GuidUtil::CreateGuid();
    return s;
}

bool WriteFile(const std::string &path, const Segments &segments)
{
    Base::Encrypt::AESParams params;
    if (path.empty() || !FileAESParams(params)) {
        LOG_ERROR("DESetup::WriteFile: no path or no AES parameters [%s].", path.c_str());
        return false;
    }
    std::string text;
    if (!Base::Encrypt::AESBase64Encode(params, BuildXml(segments), text))
        return false;
    const std::string dir = parentDir(path);
    if (!Base::FileUtil::CreateDirectories(dir)) {
        LOG_ERROR("DESetup::WriteFile: failed to create directory [%s].", dir.c_str());
        return false;
    }
    std::string tmp = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(&tmp[0]);
    if (fd < 0) {
        LOG_ERROR("DESetup::WriteFile: failed to create [%s].", tmp.c_str());
        return false;
    }
    ::fchmod(fd, 0600);
    std::size_t done = 0;
    bool ok = true;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        LOG_ERROR("DESetup::WriteFile: failed to write [%s].", path.c_str());
        return false;
    }
    return true;
}

bool ReadFile(const std::string &path, std::string &xml)
{
    xml.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buf;
    buf << in.rdbuf();
    const std::string text = buf.str();
    if (text.empty())
        return false;
    Base::Encrypt::AESParams params;
    if (!FileAESParams(params))
        return false;
    return Base::Encrypt::AESBase64Decode(params, text, xml);
}

bool EnsureFile(const std::string &path, bool *created)
{
    if (created)
        *created = false;
    if (Base::FileUtil::IsPathExist(path))
        return true;
    if (!WriteFile(path, GenerateSegments()))
        return false;
    if (created)
        *created = true;
    return true;
}

} // namespace DESetup
} // namespace comm_methodlib
