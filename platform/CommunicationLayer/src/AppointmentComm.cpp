#include <CommunicationLayer/AppointmentComm.h>

#include "BackendCall.h"

#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>
#include <JSONStruct/appointment/DeleteAppointment.h>
#include <JSONStruct/appointment/ModifyAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>

namespace commlayer {

using protocol::routes::RouteId;

bool AppointmentComm::getAppointmentByCondition(
    protocol::QueryAppointmentResultList &result,
    const protocol::QueryAppointmentResultCondition &condition)
{
    return detail::call(RouteId::GetAppointmentByCondition, &condition, &result);
}

bool AppointmentComm::addAppointment(protocol::AddAppointmentResultListData &result,
                                     const protocol::AddAppointment &param)
{
    return detail::call(RouteId::AddAppointment, &param, &result);
}

bool AppointmentComm::updateAppointment(const protocol::ModifyAppointment &param,
                                        const std::string &appointmentId)
{
    return detail::call(RouteId::UpdateAppointment, &param, nullptr, appointmentId);
}

bool AppointmentComm::deleteAppointment(const protocol::DeleteAppointment &param)
{
    // The pages need only success or failure; the per-id answer is not read.
    return detail::call(RouteId::DeleteAppointment, &param, nullptr);
}

} // namespace commlayer
