#include <JSONStruct/device/TemplateTestRspData.h>

namespace protocol {

const TemplateTestRspData::FieldList &TemplateTestRspData::fields()
{
    static const FieldList list{
        field<&Self::name>("name"),
        field<&Self::result>("result"),
    };
    return list;
}

} // namespace protocol
