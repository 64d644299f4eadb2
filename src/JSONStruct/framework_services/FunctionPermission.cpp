#include <JSONStruct/framework_services/FunctionPermission.h>

namespace protocol {

const FunctionPermission::FieldList &FunctionPermission::fields()
{
    static const FieldList list{
        field<&Self::function>("function"),
        field<&Self::operationList>("operationList"),
    };
    return list;
}

} // namespace protocol
