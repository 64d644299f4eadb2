#include <JSONStruct/framework_services/ElementBatchNotifyData.h>

namespace protocol {

const ElementBatchNotifyData::FieldList &ElementBatchNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guidList>("guidList"),
        field<&Self::online>("online"),
    };
    return list;
}

} // namespace protocol
