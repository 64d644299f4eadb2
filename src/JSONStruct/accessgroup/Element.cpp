#include <JSONStruct/accessgroup/Element.h>

namespace protocol {

const Element::FieldList &Element::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name>("name"),
        field<&Self::type>("type"),
        field<&Self::sequence>("sequence"),
        field<&Self::online>("online"),
        field<&Self::enable>("enable"),
        field<&Self::resourceID>("resourceID"),
        field<&Self::resourceNo>("resourceNo"),
        field<&Self::resourceSubtype>("resourceSubtype"),
        field<&Self::batteryPercentage>("batteryPercentage"),
        field<&Self::resourceGuid>("resourceGuid"),
        field<&Self::deviceGuid>("deviceGuid"),
        field<&Self::componentID>("componentID"),
        field<&Self::extInfo>("extInfo"),
        field<&Self::ip>("ip"),
        field<&Self::serialNo>("serialNo"),
        field<&Self::smartRuleEnable>("smartRuleEnable"),
        field<&Self::childDevID>("childDevID"),
        field<&Self::childDevIndex>("childDevIndex"),
        field<&Self::elementCapData>("elementCapData"),
    };
    return list;
}

} // namespace protocol
