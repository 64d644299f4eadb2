#include <JSONStruct/personnel/PersonnelResp.h>

namespace protocol {
namespace personnelcommon {

const PersonnelResp::FieldList &PersonnelResp::fields()
{
    static const FieldList list{
        field<&Self::basic>("basic"),
        field<&Self::accesscontrol>("accesscontrol"),
        field<&Self::resident>("resident"),
        field<&Self::cardList>("cardList"),
        field<&Self::fingerprintList>("fingerprintList"),
        field<&Self::faceList>("faceList"),
        field<&Self::irisList>("irisList"),
        field<&Self::voiceprintList>("voiceprintList"),
        field<&Self::pPAndPVList>("pPAndPVList"),
        field<&Self::addition>("addition"),
        field<&Self::privateDataList>("privateDataList"),
        field<&Self::personnelOrgInfo>("personnelOrgInfo"),
        field<&Self::cardBindingList>("cardBindingList"),
        field<&Self::ext>("ext"),
    };
    return list;
}

} // namespace personnelcommon
} // namespace protocol
