#include <JSONStruct/appointment/AppointmentResult.h>

namespace protocol {

const AppointmentResult::FieldList &AppointmentResult::fields()
{
    static const FieldList list{
        field<&Self::appointmentID>("appointmentID"),
        field<&Self::name>("name"),
        field<&Self::gender>("gender"),
        field<&Self::phone>("phone"),
        field<&Self::visitExpectTime>("visitExpectTime"),
        field<&Self::leaveExpectTime>("leaveExpectTime"),
        field<&Self::visitReasonID>("visitReasonID"),
        field<&Self::receptionistID>("receptionistID"),
        field<&Self::visitReasonName>("visitReasonName"),
        field<&Self::receptionistName>("receptionistName"),
        field<&Self::receptionistNumber>("receptionistNumber"),
        field<&Self::receptionistDepartment>("receptionistDepartment"),
        field<&Self::visitGroupGuid>("visitGroupGuid"),
        field<&Self::accompanyingPersonnelNumber>("accompanyingPersonnelNumber"),
        field<&Self::identityType>("identityType"),
        field<&Self::identityCode>("identityCode"),
        field<&Self::plateCode>("plateCode"),
        field<&Self::Company>("Company"),
        field<&Self::belongings>("belongings"),
        field<&Self::address>("address"),
        field<&Self::remark>("remark"),
        field<&Self::authCode>("authCode"),
    };
    return list;
}

} // namespace protocol
