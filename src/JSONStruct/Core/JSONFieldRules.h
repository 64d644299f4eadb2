#pragma once
// The read and write rule of every field kind, in one place. Records never call these
// directly: the field table of JSONRecord does (JSONField.h).

#include <JSONStruct/ProtocolExport.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct cJSON;

namespace protocol {
namespace fieldrules {

/// String value of a JSON string; "" for any other member type.
PROTOCOL_EXPORT std::string readString(const cJSON *item);
/// As readString, assigning into target (reuses its buffer).
PROTOCOL_EXPORT void readString(const cJSON *item, std::string &target);
/// cJSON's integer view: numbers truncated and saturated at the 32-bit limits (NaN 0),
/// true 1, anything else 0.
PROTOCOL_EXPORT std::int32_t readInt32(const cJSON *item);
/// Double value truncated toward zero and saturated at the 64-bit limits; 0 for non-numbers.
PROTOCOL_EXPORT std::int64_t readInt64(const cJSON *item);
/// Double value of a number; 0 for anything else.
PROTOCOL_EXPORT double readDouble(const cJSON *item);
/// True exactly when readInt32 gives 1 (JSON true, numbers in [1, 2)).
PROTOCOL_EXPORT bool readBool(const cJSON *item);
/// readInt64 printed in decimal: identifiers too long for 32 bits travel as numbers.
PROTOCOL_EXPORT std::string readNumericText(const cJSON *item);

PROTOCOL_EXPORT cJSON *writeString(const std::string &value);
/// Node for a string member of a record: a copy of the text, or, while a
/// BorrowedFieldStrings scope is open on this thread, a reference to the member.
PROTOCOL_EXPORT cJSON *writeFieldString(const std::string &value);
PROTOCOL_EXPORT cJSON *writeInt64(std::int64_t value);

/// Open while a tree that toJSON builds is printed and deleted with its record unchanged
/// and alive: string members are then referenced by the nodes instead of copied (a page of
/// records holds thousands). Trees that may outlive the scope must be built outside it.
class PROTOCOL_EXPORT BorrowedFieldStrings
{
public:
    BorrowedFieldStrings();
    ~BorrowedFieldStrings();
    BorrowedFieldStrings(const BorrowedFieldStrings &) = delete;
    BorrowedFieldStrings &operator=(const BorrowedFieldStrings &) = delete;

private:
    bool m_outer;
};

/// Number of children of an array or object (0 for other nodes).
PROTOCOL_EXPORT std::size_t childCount(const cJSON *node);

/// Attaches item under key (the key text is copied); releases item when that fails.
/// A null item is ignored.
PROTOCOL_EXPORT void attach(cJSON *object, const char *key, cJSON *item);

/// As attach, for a key of static storage (a field table's literal): the node refers to
/// the key instead of copying it, one allocation less per member.
PROTOCOL_EXPORT void attachStaticKey(cJSON *object, const char *key, cJSON *item);

/// First member of object whose name equals key ignoring letter case; null when none
/// (and for a null or non-object node).
PROTOCOL_EXPORT const cJSON *findMember(const cJSON *object, const char *key);

/// Name comparison of cJSON's object lookup: equal ignoring letter case (tolower).
PROTOCOL_EXPORT bool equalsIgnoringCase(const char *a, const char *b);

/// Finds the members of one object for the fields of a record in table order, with
/// exactly the result of findMember. When the object lists the keys in table order
/// each lookup costs one comparison instead of a scan from the first member.
class PROTOCOL_EXPORT MemberCursor
{
public:
    /// keysDistinct: no two keys of the table are equal ignoring case (otherwise every
    /// lookup scans, as findMember does).
    MemberCursor(const cJSON *object, bool keysDistinct);
    const cJSON *find(const char *key);

private:
    void advance();

    const cJSON *m_object;
    const cJSON *m_next;
    // Every member before m_next was the result of an earlier lookup; so were the
    // members after it that are listed in m_taken.
    bool m_inOrder;
    static constexpr int kMaxTaken = 8;
    const cJSON *m_taken[kMaxTaken] = {};
    int m_takenCount = 0;
};

} // namespace fieldrules
} // namespace protocol
