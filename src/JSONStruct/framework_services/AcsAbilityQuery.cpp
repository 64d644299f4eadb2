#include <JSONStruct/framework_services/AcsAbilityQuery.h>

namespace protocol {

const AcsAbilityQuery::FieldList &AcsAbilityQuery::fields()
{
    static const FieldList list{
        field<&Self::abilityList>("abilityList"),
    };
    return list;
}

} // namespace protocol
