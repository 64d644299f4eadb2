#include <JSONStruct/framework_services/OperatorPermissionData.h>

namespace protocol {

const OperatorPermissionData::FieldList &OperatorPermissionData::fields()
{
    static const FieldList list{
        field<&Self::userGuid>("userGuid"),
        field<&Self::userName>("userName"),
        field<&Self::administrator>("administrator"),
        field<&Self::functionPermissionList>("functionPermissionList"),
    };
    return list;
}

} // namespace protocol
