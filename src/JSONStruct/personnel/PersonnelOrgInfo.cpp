#include <JSONStruct/personnel/PersonnelOrgInfo.h>

namespace protocol {
namespace personnelcommon {

const PersonnelOrgInfo::FieldList &PersonnelOrgInfo::fields()
{
    static const FieldList list{
        field<&Self::path>("path"),
    };
    return list;
}

} // namespace personnelcommon
} // namespace protocol
