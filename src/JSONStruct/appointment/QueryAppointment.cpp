#include <JSONStruct/appointment/QueryAppointment.h>

namespace protocol {

const QueryAppointment::FieldList &QueryAppointment::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name>("name"),
        field<&Self::gender>("gender"),
        field<&Self::phone>("phone"),
        field<&Self::visitExpectTime>("visitExpectTime"),
        field<&Self::leaveExpectTime>("leaveExpectTime"),
        field<&Self::visitReasonID>("visitReasonID"),
        field<&Self::receptionistID>("receptionistID"),
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
