#include <JSONStruct/framework_services/OrganizationNotifyData.h>

namespace protocol {

const OrganizationNotifyData::FieldList &OrganizationNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::parentGuid>("parentGuid"),
        field<&Self::name_>("name"),
        field<&Self::sequence>("sequence"),
    };
    return list;
}

} // namespace protocol
