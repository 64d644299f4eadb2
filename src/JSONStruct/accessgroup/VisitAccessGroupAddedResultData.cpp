#include <JSONStruct/accessgroup/VisitAccessGroupAddedResultData.h>

namespace protocol {

const VisitAccessGroupAddedResultData::FieldList &VisitAccessGroupAddedResultData::fields()
{
    static const FieldList list{
        field<&Self::visitAccessGroupAddedResult>("visitAccessGroupAddedResult"),
    };
    return list;
}

} // namespace protocol
