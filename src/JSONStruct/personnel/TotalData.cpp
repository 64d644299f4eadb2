#include <JSONStruct/personnel/TotalData.h>

namespace protocol {
namespace personnelcommon {

const TotalData::FieldList &TotalData::fields()
{
    static const FieldList list{
        field<&Self::total>("total"),
        field<&Self::pageNo>("pageNo"),
        field<&Self::pageSize>("pageSize"),
        field<&Self::personnelResponse>("personnelResponse"),
    };
    return list;
}

} // namespace personnelcommon
} // namespace protocol
