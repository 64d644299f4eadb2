#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>

namespace protocol {

const DeleteAccessPointGroupResultData::FieldList &DeleteAccessPointGroupResultData::fields()
{
    static const FieldList list{
        field<&Self::deleteAccessPointGroupResult>("deleteAccessPointGroupResult"),
    };
    return list;
}

} // namespace protocol
