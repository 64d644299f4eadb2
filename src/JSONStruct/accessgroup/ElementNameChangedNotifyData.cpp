#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>

namespace protocol {

const ElementNameChangedNotifyData::FieldList &ElementNameChangedNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::groupGuid>("groupGuid"),
        field<&Self::name_>("name"),
        field<&Self::type>("type"),
    };
    return list;
}

} // namespace protocol
