#include <JSONStruct/settings/QueryBasicSettingResultData.h>

namespace protocol {

const QueryBasicSettingResultData::FieldList &QueryBasicSettingResultData::fields()
{
    static const FieldList list{
        field<&Self::queryBasicSettingResult>("queryBasicSettingResult"),
    };
    return list;
}

} // namespace protocol
