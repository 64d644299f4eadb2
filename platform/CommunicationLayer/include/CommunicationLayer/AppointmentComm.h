#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <string>

namespace protocol {
class QueryAppointmentResultList;
class QueryAppointmentResultCondition;
class AddAppointmentResultListData;
class AddAppointment;
class ModifyAppointment;
class DeleteAppointment;
} // namespace protocol

namespace commlayer {

/// Appointments on the server. Blocking; results and failures as described in
/// CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT AppointmentComm
{
public:
    /// One page of appointments.
    static bool
    getAppointmentByCondition(protocol::QueryAppointmentResultList &result,
                              const protocol::QueryAppointmentResultCondition &condition);
    /// Stores new appointments; one result per submitted appointment, in order.
    static bool addAppointment(protocol::AddAppointmentResultListData &result,
                               const protocol::AddAppointment &param);
    /// Changes the appointment appointmentId (a 32-digit GUID or decimal number).
    static bool updateAppointment(const protocol::ModifyAppointment &param,
                                  const std::string &appointmentId);
    /// Deletes the listed appointments.
    static bool deleteAppointment(const protocol::DeleteAppointment &param);
};

} // namespace commlayer
