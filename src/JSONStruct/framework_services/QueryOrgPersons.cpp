#include <JSONStruct/framework_services/QueryOrgPersons.h>

namespace protocol {

const QueryOrgPersons::FieldList &QueryOrgPersons::fields()
{
    static const FieldList list{
        field<&Self::orgGuid>("orgGuid"),   field<&Self::containChildren>("containChildren"),
        field<&Self::personName>("name"),   field<&Self::pageNo>("pageNo"),
        field<&Self::pageSize>("pageSize"),
    };
    return list;
}

} // namespace protocol
