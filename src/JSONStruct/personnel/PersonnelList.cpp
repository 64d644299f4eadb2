#include <JSONStruct/personnel/PersonnelList.h>

namespace protocol {
namespace personnelcommon {

const PersonnelList::FieldList &PersonnelList::fields()
{
    static const FieldList list{
        field<&Self::guidList>("guidList"),
    };
    return list;
}

} // namespace personnelcommon
} // namespace protocol
