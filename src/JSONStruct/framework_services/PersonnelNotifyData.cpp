#include <JSONStruct/framework_services/PersonnelNotifyData.h>

namespace protocol {

const PersonnelNotifyData::FieldList &PersonnelNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),   field<&Self::orgGuid>("orgGuid"),
        field<&Self::name_>("name"),  field<&Self::gender>("gender"),
        field<&Self::phone>("phone"), field<&Self::sn>("sn"),
    };
    return list;
}

} // namespace protocol
