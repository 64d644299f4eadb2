#include <JSONStruct/device/TemplateTest.h>

namespace protocol {

const TemplateTest::FieldList &TemplateTest::fields()
{
    static const FieldList list{
        field<&Self::name_>("name"),
    };
    return list;
}

} // namespace protocol
