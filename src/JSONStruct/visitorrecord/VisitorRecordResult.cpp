#include <JSONStruct/visitorrecord/VisitorRecordResult.h>

namespace protocol {

const VisitorRecordResult::FieldList &VisitorRecordResult::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name>("name"),
        field<&Self::gender>("gender"),
        field<&Self::phone>("phone"),
        field<&Self::cardNo>("cardNo"),
        field<&Self::visitTime>("visitTime"),
        field<&Self::leaveTime>("leaveTime"),
        field<&Self::visitReasonID>("visitReasonID"),
        field<&Self::visitReasonName>("visitReasonName"),
        field<&Self::orgPath>("orgPath"),
        field<&Self::receptionistID>("receptionistID"),
        field<&Self::receptionistName>("receptionistName"),
        field<&Self::visitGroupList>("visitGroupList"),
        field<&Self::accompanyingPersonnelNumber>("accompanyingPersonnelNumber"),
        field<&Self::identityType>("identityType"),
        field<&Self::identityCode>("identityCode"),
        field<&Self::plateCode>("plateCode"),
        field<&Self::Company>("Company"),
        field<&Self::belongings>("belongings"),
        field<&Self::address>("address"),
        field<&Self::remark>("remark"),
        field<&Self::state>("state"),
        field<&Self::ORCodeEnabled>("ORCodeEnabled"),
        field<&Self::authCode>("authCode"),
        field<&Self::authType>("authType"),
        field<&Self::appointmentVisitTime>("appointmentVisitTime"),
        field<&Self::appointmentLeaveTime>("appointmentLeaveTime"),
        field<&Self::registerType>("registerType"),
        field<&Self::registerStatus>("registerStatus"),
        field<&Self::DownloadResult>("DownloadResult"),
        field<&Self::faceImageUrl>("faceImageUrl"),
        field<&Self::QuickRegister>("QuickRegister"),
    };
    return list;
}

} // namespace protocol
