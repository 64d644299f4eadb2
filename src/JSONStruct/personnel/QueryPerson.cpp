#include <JSONStruct/personnel/QueryPerson.h>

namespace protocol {
namespace personnelcommon {

const QueryPerson::FieldList &QueryPerson::fields()
{
    static const FieldList list{
        field<&Self::queryType>("queryType"),
        field<&Self::sn>("sn"),
        field<&Self::bindDeviceGuid>("bindDeviceGuid"),
        field<&Self::name_>("name"),
        field<&Self::sensitive>("sensitive"),
        field<&Self::personnelList>("personnelList"),
    };
    return list;
}

} // namespace personnelcommon
} // namespace protocol
