#include "ServerRules.h"

#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/Routes/RouteErrors.h>

#include <Base/TimeUtil.h>

#include <cmath>
#include <ctime>
#include <random>

namespace qorvaserver {
namespace {

const char *const kStateNames[] = {"notRegister", "registered", "signOff", "overdueAutoSignOff",
                                   "overdueNotRegister"};

bool isArrayOf(const cJSON *array, cJSON_bool (*test)(const cJSON *))
{
    if (!cJSON_IsArray(array))
        return false;
    const cJSON *child = nullptr;
    cJSON_ArrayForEach(child, array)
    {
        if (!test(child))
            return false;
    }
    return true;
}

cJSON_bool isInteger32(const cJSON *item)
{
    if (!cJSON_IsNumber(item))
        return false;
    const double v = item->valuedouble;
    return std::isfinite(v) && v >= -2147483648.0 && v <= 2147483647.0 && std::floor(v) == v;
}

} // namespace

const char *ServerRules::stateName(std::int32_t state)
{
    if (state < 0 || state > StateOverdueNotRegister)
        return "";
    return kStateNames[state];
}

std::int32_t ServerRules::stateFromName(const std::string &name)
{
    for (std::int32_t i = 0; i <= StateOverdueNotRegister; ++i) {
        if (name == kStateNames[i])
            return i;
    }
    return -1;
}

std::string ServerRules::newReservationCode()
{
    thread_local std::mt19937_64 engine{std::random_device{}()};
    std::uniform_int_distribution<std::uint64_t> digits(1000000000ULL, 9999999999ULL);
    return std::to_string(digits(engine));
}

bool ServerRules::pageValid(std::int32_t pageNo, std::int32_t pageSize)
{
    return pageNo >= 1 && pageSize >= 1 && pageSize <= kMaxPageSize;
}

bool ServerRules::isTimeTextOrEmpty(const std::string &text)
{
    if (text.empty())
        return true;
    if (text.size() != 19 || text[10] != 'T')
        return false;
    return Base::TimeUtil::ISODatetime2TimeT(text) != -1;
}

std::string ServerRules::now()
{
    return Base::TimeUtil::TimeT2LocalTimeStrISO(std::time(nullptr));
}

bool ServerRules::isGuid(const std::string &text)
{
    if (text.size() != 32)
        return false;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

bool ServerRules::kindMatches(protocol::FieldKind kind, const cJSON *m)
{
    using protocol::FieldKind;
    switch (kind) {
    case FieldKind::String:
    case FieldKind::OptionalString:
        return cJSON_IsString(m) || cJSON_IsNull(m);
    case FieldKind::Int32:
        return isInteger32(m);
    case FieldKind::Int64:
    case FieldKind::Double:
        return cJSON_IsNumber(m);
    case FieldKind::Bool:
        return cJSON_IsBool(m) || isInteger32(m);
    case FieldKind::NumericText:
        return cJSON_IsNumber(m) || cJSON_IsString(m);
    case FieldKind::Record:
        return cJSON_IsObject(m);
    case FieldKind::RecordList:
        return isArrayOf(m, cJSON_IsObject);
    case FieldKind::StringList:
        return isArrayOf(m, cJSON_IsString);
    case FieldKind::Int32List:
        return isArrayOf(m, isInteger32);
    }
    return false;
}

std::string ServerRules::itemCode(std::uint32_t error)
{
    if (error == 0)
        return "0-0";
    return protocol::ErrorCode2Str(Base::Error::ErrorCode{protocol::routes::kServerModule, error});
}

} // namespace qorvaserver
