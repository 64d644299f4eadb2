#include <JSONStruct/accessgroup/Group.h>

namespace protocol {

const Group::FieldList &Group::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::sequence>("sequence"),
        field<&Self::name>("name"),
        field<&Self::elementType>("elementType"),
        field<&Self::elementList>("elementList"),
    };
    return list;
}

} // namespace protocol
