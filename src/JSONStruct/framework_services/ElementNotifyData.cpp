#include <JSONStruct/framework_services/ElementNotifyData.h>

namespace protocol {

const ElementNotifyData::FieldList &ElementNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),     field<&Self::groupGuid>("groupGuid"),
        field<&Self::name_>("name"),    field<&Self::deviceGuid>("deviceGuid"),
        field<&Self::doorNo>("doorNo"), field<&Self::online>("online"),
    };
    return list;
}

} // namespace protocol
