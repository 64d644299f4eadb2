#include <JSONStruct/framework_services/PersonListData.h>

namespace protocol {

const PersonListData::FieldList &PersonListData::fields()
{
    static const FieldList list{
        field<&Self::total>("total"),
        field<&Self::pageNo>("pageNo"),
        field<&Self::pageSize>("pageSize"),
        field<&Self::personList>("personList"),
    };
    return list;
}

} // namespace protocol
