#include <JSONStruct/settings/QueryBasicSettingResult.h>

namespace protocol {

const QueryBasicSettingResult::FieldList &QueryBasicSettingResult::fields()
{
    static const FieldList list{
        field<&Self::name>("name"),
        field<&Self::gender>("gender"),
        field<&Self::phone>("phone"),
        field<&Self::visitExpectTime>("visitExpectTime"),
        field<&Self::leaveExpectTime>("leaveExpectTime"),
        field<&Self::visitReasonID>("visitReasonID"),
        field<&Self::receptionistID>("receptionistID"),
        field<&Self::organization>("organization"),
        field<&Self::accessPointGroup>("accessPointGroup"),
        field<&Self::accompanyingPersonnelNumber>("accompanyingPersonnelNumber"),
        field<&Self::identityType>("identityType"),
        field<&Self::identityCode>("identityCode"),
        field<&Self::plateCode>("plateCode"),
        field<&Self::company>("company"),
        field<&Self::belongings>("belongings"),
        field<&Self::address>("address"),
        field<&Self::remark>("remark"),
        field<&Self::appointmentDay>("appointmentDay"),
        field<&Self::visitReasonResultList>("visitReasonResultList"),
    };
    return list;
}

} // namespace protocol
