#include <JSONStruct/appointment/ModifyAppointment.h>

namespace protocol {

const ModifyAppointment::FieldList &ModifyAppointment::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name_>("name"),
        field<&Self::gender>("gender"),
        field<&Self::phone>("phone"),
        field<&Self::visitExpectTime>("visitExpectTime"),
        field<&Self::leaveExpectTime>("leaveExpectTime"),
        field<&Self::visitReasonID>("visitReasonID"),
        field<&Self::visitReason>("visitReason"),
        field<&Self::receptionistID>("receptionistID"),
        field<&Self::receptionistName>("receptionistName"),
        field<&Self::receptionistNumber>("receptionistNumber"),
        field<&Self::receptionistDepartment>("receptionistDepartment"),
        field<&Self::accessPointGroup>("accessPointGroup"),
        field<&Self::accompanyingPersonnelNumber>("accompanyingPersonnelNumber"),
        field<&Self::identityType>("identityType"),
        field<&Self::identityCode>("identityCode"),
        field<&Self::plateCode>("plateCode"),
        field<&Self::Company>("Company"),
        field<&Self::belongings>("belongings"),
        field<&Self::address>("address"),
        field<&Self::remark>("remark"),
    };
    return list;
}

} // namespace protocol
