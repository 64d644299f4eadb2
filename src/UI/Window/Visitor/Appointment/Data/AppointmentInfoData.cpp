#include "AppointmentInfoData.h"

#include <tuple>

namespace visitorclient {

namespace {

auto tied(const AppointmentInfoData &d)
{
    return std::tie(d.strId, d.strName, d.iGender, d.strPhone, d.strVisitTime, d.strLeaveTime,
                    d.strVisitReason, d.strVisitReasonId, d.strReceptionistName,
                    d.strReceptionistId, d.strOrganization, d.strAuthCode, d.strAccessGroupGuids,
                    d.strAccessGroupNames, d.iAccompanyingNumber, d.iIdentityType,
                    d.strIdentityCode, d.strPlateCode, d.strCompany, d.strBelongings, d.strAddress,
                    d.strRemark);
}

} // namespace

bool AppointmentInfoData::operator==(const AppointmentInfoData &other) const
{
    return tied(*this) == tied(other);
}

void registerAppointmentInfoDataMetaTypes()
{
    // qRegisterMetaType is thread-safe and idempotent for the same name.
    qRegisterMetaType<AppointmentInfoData>("AppointmentInfoData");
    qRegisterMetaType<VecAppointmentInfoData>("VecAppointmentInfoData");
}

} // namespace visitorclient
