#include <JSONStruct/framework_services/QueryDeviceCondition.h>

namespace protocol {

const QueryDeviceCondition::FieldList &QueryDeviceCondition::fields()
{
    static const FieldList list{
        field<&Self::deviceTypeList>("deviceTypeList"),
    };
    return list;
}

} // namespace protocol
