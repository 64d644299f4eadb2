#include <JSONStruct/accessgroup/QueryGroupCondition.h>

namespace protocol {

const QueryGroupCondition::FieldList &QueryGroupCondition::fields()
{
    static const FieldList list{
        field<&Self::containElements>("containElements"),
        field<&Self::elementType>("elementType"),
        field<&Self::additionalFieldList>("additionalFieldList"),
    };
    return list;
}

} // namespace protocol
