#pragma once
// Appointments and basic settings. Each handler runs inside the dispatcher's transaction
// and lock; node is the request record's JSON object (null for routes without a body).

#include "HandlerTypes.h"

namespace qorvaserver {

class CDatabase;

class CAppointmentHandler
{
public:
    static HandlerResult query(CDatabase &db, const cJSON *node);
    static HandlerResult add(CDatabase &db, const cJSON *node);
    static HandlerResult update(CDatabase &db, const cJSON *node, const std::string &id);
    /// Per id: result 0 deleted, ErrNotFound unknown. Emits "appointmentDeleted".
    static HandlerResult remove(CDatabase &db, const cJSON *node, Outbox &out);
    /// Deletes one appointment and announces it: 0, ErrNotFound or ErrStorageFailed.
    static std::uint32_t removeOne(CDatabase &db, const std::string &id, Outbox &out);
    static HandlerResult getSettings(CDatabase &db);
    /// Stores the settings as sent; without keepReasons the visit reasons are dropped (a
    /// faulty server, see CManagementServer::SettingsFault).
    static HandlerResult setSettings(CDatabase &db, const cJSON *node, bool keepReasons = true);
    /// Inserts the links of an appointment to its access-point groups; ErrNotFound when
    /// a group does not exist.
    static std::uint32_t linkGroups(CDatabase &db, const std::string &appointmentGuid,
                                    const std::string &groupList);
};

} // namespace qorvaserver
