#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>

namespace protocol {

const VisitAccessGroupModifyParam::FieldList &VisitAccessGroupModifyParam::fields()
{
    static const FieldList list{
        field<&Self::name_>("name"),
        field<&Self::description>("description"),
        field<&Self::defaultGroup>("defaultGroup"),
        field<&Self::downLoadIDCard>("downLoadIDCard"),
        field<&Self::QRCodeVersion>("QRCodeVersion"),
        field<&Self::objectModifyList>("objectModifyList"),
    };
    return list;
}

} // namespace protocol
