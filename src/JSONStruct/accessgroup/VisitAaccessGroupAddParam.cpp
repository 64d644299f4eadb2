#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>

namespace protocol {

const VisitAaccessGroupAddParam::FieldList &VisitAaccessGroupAddParam::fields()
{
    static const FieldList list{
        field<&Self::name_>("name"),
        field<&Self::defaultGroup>("defaultGroup"),
        field<&Self::downloadIDCard>("downloadIDCard"),
        field<&Self::QRCodeVersion>("QRCodeVersion"),
        field<&Self::description>("description"),
        field<&Self::visitObjectAddList>("visitObjectAddList"),
    };
    return list;
}

} // namespace protocol
