#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>

namespace protocol {

const VisitorRightConfigResultData::FieldList &VisitorRightConfigResultData::fields()
{
    static const FieldList list{
        field<&Self::visitorRightConfigResult>("visitorRightConfigResult"),
    };
    return list;
}

} // namespace protocol
