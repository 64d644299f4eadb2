#pragma once
// Root of every message record: reads itself from a cJSON object and builds one.

#include <JSONStruct/ProtocolExport.h>

#include <cstddef>
#include <string>
#include <vector>

struct cJSON;

namespace protocol {

/// The keys a record saw while reading. Field tables name their keys with string literals,
/// which are kept as pointers: reading a page of 500 records used to spend most of its
/// mapping time allocating one hash node per field. Keys of free-form bodies are copied.
/// Small by nature (a record's keys), so lookups scan.
class PROTOCOL_EXPORT KeySet
{
public:
    /// Adds a key whose text outlives the set (a field table's literal).
    void insertStatic(const char *key);
    /// Adds a key by copy.
    void emplace(const std::string &key);
    /// 1 when the key is in the set (exact, case-sensitive), else 0.
    std::size_t count(const std::string &key) const;
    std::size_t size() const { return m_static.size() + m_owned.size(); }
    bool empty() const { return m_static.empty() && m_owned.empty(); }
    /// The keys, sorted.
    std::vector<std::string> keys() const;

    friend bool operator==(const KeySet &a, const KeySet &b) { return a.keys() == b.keys(); }
    friend bool operator!=(const KeySet &a, const KeySet &b) { return !(a == b); }

private:
    bool containsText(const char *key) const;

    std::vector<const char *> m_static;
    std::vector<std::string> m_owned;
};

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
    KeySet presentKeys;

protected:
    IJSONStruct() = default;
    IJSONStruct(const IJSONStruct &) = default;
    IJSONStruct(IJSONStruct &&) = default;
    IJSONStruct &operator=(const IJSONStruct &) = default;
    IJSONStruct &operator=(IJSONStruct &&) = default;
    ~IJSONStruct() = default;
};

} // namespace protocol
