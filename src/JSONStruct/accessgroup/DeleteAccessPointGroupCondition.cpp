#include <JSONStruct/accessgroup/DeleteAccessPointGroupCondition.h>

namespace protocol {

const DeleteAccessPointGroupCondition::FieldList &DeleteAccessPointGroupCondition::fields()
{
    static const FieldList list{
        field<&Self::deleteAccessPointGroupIDList>("deleteAccessPointGroupIDList"),
    };
    return list;
}

} // namespace protocol
