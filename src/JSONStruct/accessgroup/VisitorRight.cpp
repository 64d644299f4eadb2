#include <JSONStruct/accessgroup/VisitorRight.h>

namespace protocol {

const VisitorRight::FieldList &VisitorRight::fields()
{
    static const FieldList list{
        optionalString<&Self::uuid>("uuid"),
        optionalString<&Self::remark>("remark"),
        field<&Self::isDefault>("default"),
    };
    return list;
}

} // namespace protocol
