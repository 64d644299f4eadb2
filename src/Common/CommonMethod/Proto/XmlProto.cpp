#include "XmlProto.h"

#include <Base/Log.h>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>
#include <mutex>

namespace proto {

namespace {

const xmlChar *X(const std::string &s)
{
    return reinterpret_cast<const xmlChar *>(s.c_str());
}

std::string fromXml(const xmlChar *s)
{
    return s ? std::string(reinterpret_cast<const char *>(s)) : std::string();
}

void initLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

// Malformed expressions are answered as "nothing selected"; libxml2 must not print them.
void ignoreError(void *, xmlErrorPtr) {}

struct XPathResult
{
    xmlXPathObjectPtr object = nullptr;
    ~XPathResult() { xmlXPathFreeObject(object); }
};

bool isElementName(const std::string &step)
{
    if (step.empty())
        return false;
    for (std::size_t i = 0; i < step.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(step[i]);
        const bool letter =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
        const bool other = (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (!letter && !(i > 0 && other))
            return false;
    }
    return true;
}

// "/a/b/c" -> {"a", "b", "c"}; empty when path is not a plain absolute element path.
std::vector<std::string> plainSteps(const std::string &path)
{
    std::vector<std::string> steps;
    if (path.size() < 2 || path[0] != '/')
        return steps;
    std::size_t start = 1;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::string step =
            path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!isElementName(step))
            return {};
        steps.push_back(step);
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return steps;
}

xmlNodePtr childElement(xmlNodePtr parent, const std::string &name)
{
    for (xmlNodePtr child = parent->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && xmlStrcmp(child->name, X(name)) == 0)
            return child;
    }
    return nullptr;
}

std::string textOf(xmlDocPtr doc, xmlNodePtr node)
{
    xmlChar *text = xmlNodeListGetString(doc, node->children, 1);
    std::string out = fromXml(text);
    xmlFree(text);
    return out;
}

bool canHoldChildren(xmlNodePtr node)
{
    return node && node->type == XML_ELEMENT_NODE;
}

} // namespace

CXmlProto::CXmlProto()
{
    initLibrary();
    newDocument();
}

CXmlProto::~CXmlProto()
{
    xmlFreeDoc(m_pDoc);
}

void CXmlProto::newDocument()
{
    m_pDoc = xmlNewDoc(reinterpret_cast<const xmlChar *>("1.0"));
}

void CXmlProto::clear()
{
    xmlFreeDoc(m_pDoc);
    newDocument();
}

bool CXmlProto::set_str(const std::string &text)
{
    xmlFreeDoc(m_pDoc);
    m_pDoc = nullptr;
    std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> ctxt(xmlNewParserCtxt(),
                                                                    xmlFreeParserCtxt);
    if (ctxt) {
        // Errors are logged below, once, instead of printed by libxml2; no network access.
        m_pDoc = xmlCtxtReadMemory(
            ctxt.get(), text.data(), static_cast<int>(text.size()), nullptr, "UTF-8",
            XML_PARSE_NOBLANKS | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    }
    if (m_pDoc)
        return true;
    const xmlError *error = ctxt ? xmlCtxtGetLastError(ctxt.get()) : nullptr;
    if (error && error->code != XML_ERR_OK)
        LOG_ERROR("read xml faild, error %s.", error->message ? error->message : "");
    newDocument();
    return false;
}

std::string CXmlProto::get_str()
{
    xmlChar *mem = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_pDoc, &mem, &size, "UTF-8", 0);
    std::string out =
        mem ? std::string(reinterpret_cast<const char *>(mem), static_cast<std::size_t>(size))
            : std::string();
    xmlFree(mem);
    return out;
}

std::vector<xmlNodePtr> CXmlProto::select(const std::string &path) const
{
    std::vector<xmlNodePtr> nodes;
    if (path.empty())
        return nodes;
    std::unique_ptr<xmlXPathContext, void (*)(xmlXPathContextPtr)> ctx(xmlXPathNewContext(m_pDoc),
                                                                       xmlXPathFreeContext);
    if (!ctx)
        return nodes;
    ctx->error = ignoreError;
    XPathResult result;
    result.object = xmlXPathEvalExpression(X(path), ctx.get());
    if (!result.object || result.object->type != XPATH_NODESET || !result.object->nodesetval)
        return nodes;
    const xmlNodeSetPtr set = result.object->nodesetval;
    for (int i = 0; i < set->nodeNr; ++i) {
        // Namespace nodes of a selection are copies that die with the result.
        if (set->nodeTab[i] && set->nodeTab[i]->type != XML_NAMESPACE_DECL)
            nodes.push_back(set->nodeTab[i]);
    }
    return nodes;
}

xmlNodePtr CXmlProto::first(const std::string &path) const
{
    const std::vector<xmlNodePtr> nodes = select(path);
    return nodes.empty() ? nullptr : nodes.front();
}

xmlNodePtr CXmlProto::findOrCreate(const std::string &path)
{
    if (xmlNodePtr node = first(path))
        return node;
    const std::vector<std::string> steps = plainSteps(path);
    if (steps.empty())
        return nullptr;
    xmlNodePtr node = xmlDocGetRootElement(m_pDoc);
    if (!node) {
        node = xmlNewDocNode(m_pDoc, nullptr, X(steps.front()), nullptr);
        xmlDocSetRootElement(m_pDoc, node);
    } else if (xmlStrcmp(node->name, X(steps.front())) != 0) {
        return nullptr; // a document has one root
    }
    for (std::size_t i = 1; i < steps.size(); ++i) {
        xmlNodePtr child = childElement(node, steps[i]);
        node = child ? child : xmlNewChild(node, nullptr, X(steps[i]), nullptr);
    }
    return node;
}

std::string CXmlProto::get_xml(const std::string &path)
{
    xmlNodePtr node = first(path);
    if (!node)
        return std::string();
    std::unique_ptr<xmlBuffer, void (*)(xmlBufferPtr)> buffer(xmlBufferCreate(), xmlBufferFree);
    if (!buffer || xmlNodeDump(buffer.get(), m_pDoc, node, 0, 0) < 0)
        return std::string();
    return fromXml(xmlBufferContent(buffer.get()));
}

bool CXmlProto::is_exist(const std::string &path)
{
    return first(path) != nullptr;
}

bool CXmlProto::exist(const std::string &path)
{
    return is_exist(path);
}

std::string CXmlProto::get_text(const std::string &path, const std::string &def)
{
    xmlNodePtr node = first(path);
    if (!node)
        return def;
    const std::string text = textOf(m_pDoc, node);
    return text.empty() ? def : text;
}

std::string CXmlProto::get_text(const std::string &path, int index)
{
    const std::vector<xmlNodePtr> nodes = select(path);
    if (index < 0 || static_cast<std::size_t>(index) >= nodes.size())
        return std::string();
    return textOf(m_pDoc, nodes[static_cast<std::size_t>(index)]);
}

std::vector<std::string> CXmlProto::get_texts(const std::string &path)
{
    std::vector<std::string> texts;
    for (xmlNodePtr node : select(path))
        texts.push_back(textOf(m_pDoc, node));
    return texts;
}

int CXmlProto::get_count(const std::string &path)
{
    return static_cast<int>(select(path).size());
}

bool CXmlProto::set_text(const std::string &path, const std::string &text)
{
    xmlNodePtr node = findOrCreate(path);
    if (!node || node->type == XML_DOCUMENT_NODE)
        return false;
    // xmlNodeSetContent would read entity references out of the text; this keeps it as is.
    xmlChar *escaped = xmlEncodeSpecialChars(m_pDoc, X(text));
    xmlNodeSetContent(node, escaped);
    xmlFree(escaped);
    return true;
}

bool CXmlProto::add_text(const std::string &path, const std::string &text)
{
    const std::vector<std::string> steps = plainSteps(path);
    if (steps.size() < 2)
        return false;
    const std::size_t slash = path.find_last_of('/');
    xmlNodePtr parent = findOrCreate(path.substr(0, slash));
    if (!canHoldChildren(parent))
        return false;
    // xmlNewTextChild escapes the content.
    return xmlNewTextChild(parent, nullptr, X(steps.back()), X(text)) != nullptr;
}

std::string CXmlProto::get_attr(const std::string &path, const std::string &name)
{
    return get_attr(path, 0, name);
}

std::string CXmlProto::get_attr(const std::string &path, int index, const std::string &name)
{
    const std::vector<xmlNodePtr> nodes = select(path);
    if (index < 0 || static_cast<std::size_t>(index) >= nodes.size())
        return std::string();
    xmlNodePtr node = nodes[static_cast<std::size_t>(index)];
    if (node->type != XML_ELEMENT_NODE)
        return std::string();
    xmlChar *value = xmlGetProp(node, X(name));
    std::string out = fromXml(value);
    xmlFree(value);
    return out;
}

std::map<std::string, std::string> CXmlProto::get_attrs(const std::string &path)
{
    std::map<std::string, std::string> attrs;
    xmlNodePtr node = first(path);
    if (!node || node->type != XML_ELEMENT_NODE)
        return attrs;
    for (xmlAttrPtr attr = node->properties; attr; attr = attr->next) {
        xmlChar *value = xmlNodeListGetString(m_pDoc, attr->children, 1);
        attrs[fromXml(attr->name)] = fromXml(value);
        xmlFree(value);
    }
    return attrs;
}

bool CXmlProto::set_attr(const std::string &path, const std::string &name, const std::string &value)
{
    xmlNodePtr node = findOrCreate(path);
    if (!canHoldChildren(node) || !isElementName(name))
        return false;
    return xmlSetProp(node, X(name), X(value)) != nullptr;
}

bool CXmlProto::set_attr(const std::string &path, int index, const std::string &name,
                         const std::string &value)
{
    const std::vector<xmlNodePtr> nodes = select(path);
    if (index < 0 || static_cast<std::size_t>(index) >= nodes.size())
        return false;
    xmlNodePtr node = nodes[static_cast<std::size_t>(index)];
    if (!canHoldChildren(node) || !isElementName(name))
        return false;
    return xmlSetProp(node, X(name), X(value)) != nullptr;
}

bool CXmlProto::insertFragment(xmlNodePtr parent, const std::string &xml)
{
    std::string body = xml;
    // A fragment may come with its own declaration; only its content counts.
    if (body.compare(0, 5, "<?xml") == 0) {
        const std::size_t end = body.find("?>");
        body = end == std::string::npos ? std::string() : body.substr(end + 2);
    }
    const std::string wrapped = "<fragment>" + body + "</fragment>";
    std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> fragment(
        xmlReadMemory(wrapped.data(), static_cast<int>(wrapped.size()), nullptr, "UTF-8",
                      XML_PARSE_NOBLANKS | XML_PARSE_NONET | XML_PARSE_NOERROR |
                          XML_PARSE_NOWARNING),
        xmlFreeDoc);
    if (!fragment)
        return false;
    xmlNodePtr root = xmlDocGetRootElement(fragment.get());
    for (xmlNodePtr child = root ? root->children : nullptr; child; child = child->next) {
        xmlNodePtr copy = xmlDocCopyNode(child, m_pDoc, 1);
        if (!copy || !xmlAddChild(parent, copy)) {
            xmlFreeNode(copy);
            return false;
        }
    }
    return true;
}

bool CXmlProto::set_xml(const std::string &path, const std::string &xml)
{
    xmlNodePtr node = findOrCreate(path);
    if (!canHoldChildren(node))
        return false;
    // Parse first: a fragment that does not parse leaves the node as it was.
    CXmlProto probe;
    if (!probe.insertFragment(probe.findOrCreate("/probe"), xml))
        return false;
    while (xmlNodePtr child = node->children) {
        xmlUnlinkNode(child);
        xmlFreeNode(child);
    }
    return insertFragment(node, xml);
}

bool CXmlProto::add_xml(const std::string &path, const std::string &xml)
{
    xmlNodePtr node = findOrCreate(path);
    return canHoldChildren(node) && insertFragment(node, xml);
}

int CXmlProto::remove(const std::string &path)
{
    std::vector<xmlNodePtr> nodes = select(path);
    int removed = 0;
    // Document order puts descendants after their ancestors: going backwards frees a
    // descendant before the ancestor that holds it.
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        xmlNodePtr node = *it;
        if (node->type == XML_DOCUMENT_NODE || node->type == XML_HTML_DOCUMENT_NODE)
            continue;
        xmlUnlinkNode(node);
        xmlFreeNode(node);
        ++removed;
    }
    return removed;
}

bool CXmlProto::remove_attr(const std::string &path, const std::string &name)
{
    xmlNodePtr node = first(path);
    if (!node || node->type != XML_ELEMENT_NODE)
        return false;
    xmlAttrPtr attr = xmlHasProp(node, X(name));
    return attr && xmlRemoveProp(attr) == 0;
}

} // namespace proto
