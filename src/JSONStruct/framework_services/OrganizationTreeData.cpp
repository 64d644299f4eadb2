#include <JSONStruct/framework_services/OrganizationTreeData.h>

namespace protocol {

const OrganizationTreeData::FieldList &OrganizationTreeData::fields()
{
    static const FieldList list{
        field<&Self::organizationList>("organizationList"),
    };
    return list;
}

} // namespace protocol
