#include <JSONStruct/accessgroup/VisitorRightConfig.h>

namespace protocol {

const VisitorRightConfig::FieldList &VisitorRightConfig::fields()
{
    static const FieldList list{
        field<&Self::ConfigType>("ConfigType"),
    };
    return list;
}

} // namespace protocol
