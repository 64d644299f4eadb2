#include <JSONStruct/Core/JSONFieldRules.h>

#include <cjson/cJSON.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

namespace protocol {
namespace fieldrules {

std::string readString(const cJSON *item)
{
    if (cJSON_IsString(item) && item->valuestring != nullptr)
        return std::string(item->valuestring);
    return std::string();
}

void readString(const cJSON *item, std::string &target)
{
    if (cJSON_IsString(item) && item->valuestring != nullptr)
        target.assign(item->valuestring);
    else
        target.clear();
}

std::int32_t readInt32(const cJSON *item)
{
    // Computed from the double rather than taken from valueint: nodes built in code
    // (cJSON_CreateTrue) do not set valueint, and a NaN must not reach a cast.
    if (cJSON_IsTrue(item))
        return 1;
    if (!cJSON_IsNumber(item))
        return 0;
    const double value = item->valuedouble;
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int64_t readInt64(const cJSON *item)
{
    if (!cJSON_IsNumber(item))
        return 0;
    const double value = item->valuedouble;
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; anything at or above it saturates.
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double readDouble(const cJSON *item)
{
    return cJSON_IsNumber(item) ? item->valuedouble : 0.0;
}

bool readBool(const cJSON *item)
{
    return readInt32(item) == 1;
}

std::string readNumericText(const cJSON *item)
{
    return std::to_string(readInt64(item));
}

cJSON *writeString(const std::string &value)
{
    return cJSON_CreateString(value.c_str());
}

namespace {

thread_local bool t_borrowStrings = false;

} // namespace

cJSON *writeFieldString(const std::string &value)
{
    return t_borrowStrings ? cJSON_CreateStringReference(value.c_str())
                           : cJSON_CreateString(value.c_str());
}

BorrowedFieldStrings::BorrowedFieldStrings() : m_outer(t_borrowStrings)
{
    t_borrowStrings = true;
}

BorrowedFieldStrings::~BorrowedFieldStrings()
{
    t_borrowStrings = m_outer;
}

cJSON *writeInt64(std::int64_t value)
{
    return cJSON_CreateNumber(static_cast<double>(value));
}

std::size_t childCount(const cJSON *node)
{
    std::size_t count = 0;
    for (const cJSON *child = node != nullptr ? node->child : nullptr; child != nullptr; child = child->next)
        ++count;
    return count;
}

void attach(cJSON *object, const char *key, cJSON *item)
{
    if (item == nullptr)
        return;
    if (object == nullptr || !cJSON_AddItemToObject(object, key, item))
        cJSON_Delete(item);
}

// Exported here: the records inlined into other modules call it.
void attachStaticKey(cJSON *object, const char *key, cJSON *item)
{
    if (item == nullptr)
        return;
    if (object == nullptr || !cJSON_AddItemToObjectCS(object, key, item))
        cJSON_Delete(item);
}

const cJSON *findMember(const cJSON *object, const char *key)
{
    if (!cJSON_IsObject(object) || key == nullptr)
        return nullptr;
    return cJSON_GetObjectItem(object, key);
}

bool equalsIgnoringCase(const char *a, const char *b)
{
    if (a == nullptr || b == nullptr)
        return false;
    for (;; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
        if (*a == '\0')
            return true;
    }
}

MemberCursor::MemberCursor(const cJSON *object, bool keysDistinct)
    : m_object(cJSON_IsObject(object) ? object : nullptr),
      m_next(m_object != nullptr ? m_object->child : nullptr),
      m_inOrder(keysDistinct)
{
}

const cJSON *MemberCursor::find(const char *key)
{
    if (m_object == nullptr || key == nullptr)
        return nullptr;
    // No member before m_next can match: each matched an earlier key, and the keys
    // differ ignoring case. So a match at m_next is the first match.
    if (m_inOrder && m_next != nullptr && m_next->string != nullptr &&
        (std::strcmp(m_next->string, key) == 0 || equalsIgnoringCase(m_next->string, key))) {
        const cJSON *hit = m_next;
        advance();
        return hit;
    }
    const cJSON *hit = cJSON_GetObjectItem(m_object, key);
    // An absent key changes nothing; one found further on is remembered so that the
    // cursor steps over it (a few keys out of order keep the fast path).
    if (hit != nullptr && m_inOrder) {
        if (m_takenCount < kMaxTaken)
            m_taken[m_takenCount++] = hit;
        else
            m_inOrder = false;
    }
    return hit;
}

void MemberCursor::advance()
{
    m_next = m_next->next;
    while (m_next != nullptr) {
        bool taken = false;
        for (int i = 0; i < m_takenCount; ++i) {
            if (m_taken[i] == m_next) {
                taken = true;
                break;
            }
        }
        if (!taken)
            return;
        m_next = m_next->next;
    }
}

} // namespace fieldrules
} // namespace protocol
