#pragma once
// Visitor records: queries, failed downloads, per-device errors, permission downloads,
// and the check-in / sign-off that create and close records.

#include "HandlerTypes.h"

namespace qorvaserver {

class CDatabase;

class CRecordHandler
{
public:
    static HandlerResult query(CDatabase &db, const cJSON *node);
    static HandlerResult downloadFailed(CDatabase &db);
    static HandlerResult errors(CDatabase &db, const std::string &id);
    /// Queues the known records in out.downloads; per id "0-0" or "20-8".
    static HandlerResult downloadPermission(CDatabase &db, const cJSON *node, Outbox &out);
    /// Downloads one record's permissions to the devices of its groups: stores the result
    /// and per-device errors; emits "downloadPermission" when notify is set.
    static std::uint32_t applyDownload(CDatabase &db, const std::string &recordGuid, Outbox &out, bool notify);
    static std::uint32_t checkIn(CDatabase &db, const std::string &authCode, std::string &recordGuid);
    static std::uint32_t checkOut(CDatabase &db, const std::string &authCode);
};

} // namespace qorvaserver
