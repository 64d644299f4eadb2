#pragma once
// Visitor access-point groups, the visitor-rights synchronisation and the single
// resource-group lookup.

#include "HandlerTypes.h"

namespace qorvaserver {

class CDatabase;

class CAccessGroupHandler
{
public:
    static HandlerResult list(CDatabase &db);
    static HandlerResult create(CDatabase &db, const cJSON *node);
    static HandlerResult modify(CDatabase &db, const cJSON *node, const std::string &id);
    /// Per id: "0-0" deleted, "20-11" used by an appointment, "20-8" unknown.
    static HandlerResult remove(CDatabase &db, const cJSON *node);
    /// Per device: result 1 accepted; 0 with "20-13" offline or "20-14" rejected.
    static HandlerResult syncRights(CDatabase &db, const cJSON *node);
    static HandlerResult singleGroup(CDatabase &db, const cJSON *node, const std::string &id);
};

} // namespace qorvaserver
