#include <JSONStruct/accessgroup/VisitorRightListCfg.h>

namespace protocol {

const VisitorRightListCfg::FieldList &VisitorRightListCfg::fields()
{
    static const FieldList list{
        field<&Self::visitorRightList>("VisitorRightList"),
    };
    return list;
}

} // namespace protocol
