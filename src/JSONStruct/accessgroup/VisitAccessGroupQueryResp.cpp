#include <JSONStruct/accessgroup/VisitAccessGroupQueryResp.h>

namespace protocol {

const VisitAccessGroupQueryResp::FieldList &VisitAccessGroupQueryResp::fields()
{
    static const FieldList list{
        field<&Self::accessGroupGuid>("accessGroupGuid"),
        field<&Self::name>("name"),
        field<&Self::defaultGroup>("defaultGroup"),
        field<&Self::downloadIDCard>("downloadIDCard"),
        field<&Self::QRCodeVersion>("QRCodeVersion"),
        field<&Self::description>("description"),
        field<&Self::vistObjectResList>("vistObjectResList"),
    };
    return list;
}

} // namespace protocol
