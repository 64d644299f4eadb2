#pragma once
// A structured document addressed by path expressions. The order of the operations is
// part of the interface (other components call them by position): append, never insert.
//
// Readers return their default (empty text, 0, false) when the path selects nothing.
// Writers create a missing path of plain element steps ("/a/b/c"), the root element
// included when the document is empty; a path they cannot create makes them fail.

#include <map>
#include <string>
#include <vector>

namespace proto {

class IProto
{
public:
    virtual ~IProto() = default;

    /// Replaces the document by the parse of text; false (empty document) when it does not parse.
    virtual bool set_str(const std::string &text) = 0;
    /// The first selected node with its sub-tree, as text.
    virtual std::string get_xml(const std::string &path) = 0;
    /// The whole document as UTF-8 text, without indentation.
    virtual std::string get_str() = 0;
    virtual bool is_exist(const std::string &path) = 0;
    /// The text of the first selected node's direct text children; def when nothing is
    /// selected or the text is empty.
    virtual std::string get_text(const std::string &path, const std::string &def) = 0;
    /// As above for the node at index of the selection (0 the first); empty by default.
    virtual std::string get_text(const std::string &path, int index) = 0;
    /// The text of every selected node, in document order.
    virtual std::vector<std::string> get_texts(const std::string &path) = 0;
    virtual int get_count(const std::string &path) = 0;
    /// Replaces the content of the first selected node by text (creating the path).
    virtual bool set_text(const std::string &path, const std::string &text) = 0;
    /// Appends a new element named after the last step of path, holding text, after the
    /// existing ones (creating the parent path).
    virtual bool add_text(const std::string &path, const std::string &text) = 0;
    /// The attribute's value on the first selected node.
    virtual std::string get_attr(const std::string &path, const std::string &name) = 0;
    virtual std::string get_attr(const std::string &path, int index, const std::string &name) = 0;
    /// Every attribute of the first selected node.
    virtual std::map<std::string, std::string> get_attrs(const std::string &path) = 0;
    /// Sets the attribute on the first selected node (creating the path).
    virtual bool set_attr(const std::string &path, const std::string &name,
                          const std::string &value) = 0;
    /// Sets the attribute on the node at index of the selection (no creation).
    virtual bool set_attr(const std::string &path, int index, const std::string &name,
                          const std::string &value) = 0;
    /// Replaces the children of the first selected node (creating the path) by the parsed
    /// fragment xml (elements and text; several top-level nodes allowed).
    virtual bool set_xml(const std::string &path, const std::string &xml) = 0;
    /// Appends the parsed fragment to the children of the first selected node (creating the path).
    virtual bool add_xml(const std::string &path, const std::string &xml) = 0;
    /// Removes every selected node with its sub-tree (attributes too); how many went.
    virtual int remove(const std::string &path) = 0;
    /// The same test as is_exist.
    virtual bool exist(const std::string &path) = 0;
    /// Removes the attribute from the first selected node; false when it had none.
    virtual bool remove_attr(const std::string &path, const std::string &name) = 0;
    /// Releases the document and starts an empty one.
    virtual void clear() = 0;
};

} // namespace proto
