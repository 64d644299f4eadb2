#include <JSONStruct/accessgroup/RightListResult.h>

namespace protocol {

const RightListResult::FieldList &RightListResult::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),     field<&Self::ip>("ip"),     field<&Self::port>("port"),
        field<&Self::result>("result"), field<&Self::code>("code"),
    };
    return list;
}

} // namespace protocol
