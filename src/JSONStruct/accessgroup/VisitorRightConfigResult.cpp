#include <JSONStruct/accessgroup/VisitorRightConfigResult.h>

namespace protocol {

const VisitorRightConfigResult::FieldList &VisitorRightConfigResult::fields()
{
    static const FieldList list{
        field<&Self::rightListResult>("rightListResult"),
    };
    return list;
}

} // namespace protocol
