#include <JSONStruct/accessgroup/VisitorRightList.h>

namespace protocol {

const VisitorRightList::FieldList &VisitorRightList::fields()
{
    static const FieldList list{
        field<&Self::visitorRight>("VisitorRight"),
    };
    return list;
}

} // namespace protocol
