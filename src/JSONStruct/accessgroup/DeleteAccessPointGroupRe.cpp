#include <JSONStruct/accessgroup/DeleteAccessPointGroupRe.h>

namespace protocol {

const DeleteAccessPointGroupRe::FieldList &DeleteAccessPointGroupRe::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::code>("code"),
    };
    return list;
}

} // namespace protocol
