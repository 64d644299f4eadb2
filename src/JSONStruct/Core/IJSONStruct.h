#pragma once
// Root of every message record: reads itself from a cJSON object and builds one.

#include <JSONStruct/ProtocolExport.h>

#include <string>
#include <unordered_set>

struct cJSON;

namespace protocol {

/// Root interface of the message records. It has no virtual destructor on purpose
/// (records are plain values); the destructor is protected so that nobody can delete
/// a record through an IJSONStruct pointer. Owners that only know this interface use
/// RecordPtr (RecordFactory.h), whose deleter knows the concrete type.
class IJSONStruct
{
public:
    /// Reads the record's fields from an object node. A null node does nothing.
    virtual void fromJSON(const cJSON *node) = 0;
    /// Builds a new object node that the caller owns (release with cJSON_Delete or by
    /// adding it to a parent). Returns what it has (possibly null) only when memory runs out.
    virtual cJSON *toJSON() const = 0;

    /// True when the last fromJSON calls saw this key; the comparison is exact
    /// (case-sensitive) against the record's own key text.
    bool hasKey(const std::string &key) const { return presentKeys.count(key) != 0; }

    /// Keys present in the objects given to fromJSON so far, in the record's own
    /// spelling. Only grows; reset by destroying the record.
    std::unordered_set<std::string> presentKeys;

protected:
    PROTOCOL_EXPORT IJSONStruct();
    IJSONStruct(const IJSONStruct &) = default;
    IJSONStruct(IJSONStruct &&) = default;
    IJSONStruct &operator=(const IJSONStruct &) = default;
    IJSONStruct &operator=(IJSONStruct &&) = default;
    ~IJSONStruct() = default;
};

} // namespace protocol
