#pragma once
// Ignore settings of a record and the writer operations that honour them.

#include <JSONStruct/ProtocolExport.h>

#include <cstdint>
#include <string>
#include <vector>

struct cJSON;

namespace protocol {

/// Decides which keys a record leaves out of its output.
/// ignoreMode 0: the keys in ignoreItems are left out; 1: only the keys in ignoreItems
/// are written; any other value: nothing is left out. Nested records and list elements
/// apply their own settings to their own members; a parent's settings decide only
/// whether the nested node or array is attached.
/// Exported member by member: the class has no vtable to anchor its typeinfo, which every
/// module building a record keeps a copy of.
class SerializationIgnoreItemFeatures
{
public:
    std::int32_t ignoreMode = 0;
    std::vector<std::string> ignoreItems;

    /// A null or empty key is never ignored (array elements are appended under no key).
    PROTOCOL_EXPORT bool isIgnored(const char *key) const;

    /// Each adds a member to object unless the key is ignored; all are no-ops on a null
    /// object. addItem takes ownership of item and releases it when it is not attached.
    PROTOCOL_EXPORT void addString(cJSON *object, const char *key, const std::string &value) const;
    PROTOCOL_EXPORT void addNumber(cJSON *object, const char *key, double value) const;
    PROTOCOL_EXPORT void addBool(cJSON *object, const char *key, bool value) const;
    PROTOCOL_EXPORT void addItem(cJSON *object, const char *key, cJSON *item) const;
};

} // namespace protocol
