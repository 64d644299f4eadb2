#pragma once
// Rules every request handler shares: limits, paging, record states, reservation codes,
// time texts and the JSON type check of a request against a record's field table.

#include <JSONStruct/Core/JSONField.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cjson/cJSON.h>

#include <cstdint>
#include <string>

namespace qorvaserver {

class ServerRules
{
public:
    static constexpr std::int32_t kMaxPageSize = 500;
    static constexpr std::size_t kMaxAppointments = 10000;
    static constexpr std::size_t kMaxText = 256;     // bytes of an ordinary text field
    static constexpr std::size_t kMaxNameText = 128; // names of visitors and groups
    static constexpr std::size_t kMaxIdList = 4096;  // comma-joined GUID lists

    enum RecordState : std::int32_t {
        StateNotRegister = 0,
        StateRegistered = 1,
        StateSignOff = 2,
        StateOverdueAutoSignOff = 3,
        StateOverdueNotRegister = 4,
    };
    /// Permission download results of a record.
    enum DownloadResult : std::int32_t {
        DownloadNotApplied = 0,
        DownloadSucceeded = 1,
        DownloadPartly = 2,
        DownloadFailed = 3,
    };

    /// Per-item result code of a batch answer: "0-0" for success, else the server's
    /// "module-code" text of the error.
    static std::string itemCode(std::uint32_t error);

    static const char *stateName(std::int32_t state);
    /// -1 for a text that is no state name.
    static std::int32_t stateFromName(const std::string &name);
    /// A new 10-digit reservation code (not checked for uniqueness).
    static std::string newReservationCode();
    static bool pageValid(std::int32_t pageNo, std::int32_t pageSize);
    /// Empty or "yyyy-MM-ddTHH:mm:ss" that reads as a date-time.
    static bool isTimeTextOrEmpty(const std::string &text);
    /// Current local time in the stored form.
    static std::string now();
    static bool isGuid(const std::string &text);
    /// Every member of node that the record's table names has the JSON type of its field
    /// kind (strings may also be null). Nested records are not looked into.
    template <class R>
    static bool typesMatch(const cJSON *node)
    {
        if (!cJSON_IsObject(node))
            return false;
        for (const auto &f : R::fields()) {
            const cJSON *m = protocol::fieldrules::findMember(node, f.key);
            if (m != nullptr && !kindMatches(f.kind, m))
                return false;
        }
        return true;
    }

private:
    static bool kindMatches(protocol::FieldKind kind, const cJSON *member);
};

} // namespace qorvaserver
