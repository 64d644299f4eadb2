#pragma once
// proto::IProto over one libxml2 document, addressed by XPath 1.0 expressions.
// Not shared between threads: use one instance per thread.

#include <Common/CommonMethod/Proto/IProto.h>

struct _xmlDoc;
struct _xmlNode;

namespace proto {

class CXmlProto : public IProto
{
public:
    CXmlProto();
    ~CXmlProto() override;
    CXmlProto(const CXmlProto &) = delete;
    CXmlProto &operator=(const CXmlProto &) = delete;

    bool set_str(const std::string &text) override;
    std::string get_xml(const std::string &path) override;
    std::string get_str() override;
    bool is_exist(const std::string &path) override;
    std::string get_text(const std::string &path, const std::string &def) override;
    std::string get_text(const std::string &path, int index) override;
    std::vector<std::string> get_texts(const std::string &path) override;
    int get_count(const std::string &path) override;
    bool set_text(const std::string &path, const std::string &text) override;
    bool add_text(const std::string &path, const std::string &text) override;
    std::string get_attr(const std::string &path, const std::string &name) override;
    std::string get_attr(const std::string &path, int index, const std::string &name) override;
    std::map<std::string, std::string> get_attrs(const std::string &path) override;
    bool set_attr(const std::string &path, const std::string &name,
                  const std::string &value) override;
    bool set_attr(const std::string &path, int index, const std::string &name,
                  const std::string &value) override;
    bool set_xml(const std::string &path, const std::string &xml) override;
    bool add_xml(const std::string &path, const std::string &xml) override;
    int remove(const std::string &path) override;
    bool exist(const std::string &path) override;
    bool remove_attr(const std::string &path, const std::string &name) override;
    void clear() override;

private:
    /// The selected nodes in document order (empty when nothing is selected).
    std::vector<_xmlNode *> select(const std::string &path) const;
    _xmlNode *first(const std::string &path) const;
    /// The first selected node, or the element path created step by step.
    _xmlNode *findOrCreate(const std::string &path);
    bool insertFragment(_xmlNode *parent, const std::string &xml);
    void newDocument();

    _xmlDoc *m_pDoc = nullptr;
};

} // namespace proto
