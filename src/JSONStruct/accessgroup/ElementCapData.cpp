#include <JSONStruct/accessgroup/ElementCapData.h>

namespace protocol {

const ElementCapData::FieldList &ElementCapData::fields()
{
    static const FieldList list{
        field<&Self::supportTextSearch>("supportTextSearch"),
    };
    return list;
}

} // namespace protocol
