#include <JSONStruct/accessgroup/GroupNameChangedNotifyData.h>

namespace protocol {

const GroupNameChangedNotifyData::FieldList &GroupNameChangedNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name_>("name"),
    };
    return list;
}

} // namespace protocol
