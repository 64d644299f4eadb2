#include <JSONStruct/settings/BasicSetting.h>

namespace protocol {

const BasicSetting::FieldList &BasicSetting::fields()
{
    static const FieldList list{
        field<&Self::name_>("name"),
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
        field<&Self::visitReasonList>("visitReasonList"),
    };
    return list;
}

} // namespace protocol
