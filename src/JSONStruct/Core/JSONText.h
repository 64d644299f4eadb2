#pragma once
// Text conversion shared by the envelopes: parsing without cJSON's global error
// pointer (not thread-safe) and formatted printing.

#include <JSONStruct/ProtocolExport.h>

#include <memory>
#include <string>

struct cJSON;

namespace protocol {

class IJSONStruct;

struct PROTOCOL_EXPORT JSONNodeDeleter
{
    void operator()(cJSON *node) const;
};
/// Owner of a cJSON tree.
using JSONNodePtr = std::unique_ptr<cJSON, JSONNodeDeleter>;

/// Parses the first JSON value of text (leading white space skipped, trailing text
/// ignored). On failure returns null and points errorAt at the remaining input from
/// the failure position (inside text's buffer).
PROTOCOL_EXPORT JSONNodePtr parseJSONText(const std::string &text, const char *&errorAt);

/// Formatted (tab-indented) text of node; empty when node is null or printing fails.
PROTOCOL_EXPORT std::string printJSON(const cJSON *node);

/// Formatted text of root with data's tree attached under key (root alone when data is
/// null); empty when building fails. data's strings are borrowed, not copied, since the
/// tree is gone before this returns.
PROTOCOL_EXPORT std::string printWithRecord(JSONNodePtr root, const char *key,
                                            const IJSONStruct *data);

/// Attaches item under key; false (item released) when item is null or attaching fails.
PROTOCOL_EXPORT bool addMember(cJSON *object, const char *key, cJSON *item);

} // namespace protocol
