#include <JSONStruct/Framework/ComponentRegisterInfo.h>

namespace protocol {

const ComponentRegisterInfo::FieldList &ComponentRegisterInfo::fields()
{
    static const FieldList list{
        field<&Self::supportUrlList>("supportUrlList"),
        field<&Self::supportMethodList>("supportMethodList"),
    };
    return list;
}

} // namespace protocol
