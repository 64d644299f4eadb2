#include "TestRecords.h"

namespace testrecords {

const Door::FieldList &Door::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::no>("no"),
    };
    return list;
}

const AllKinds::FieldList &AllKinds::fields()
{
    static const FieldList list{
        field<&Self::name>("name"),
        optionalString<&Self::remark>("remark"),
        field<&Self::count>("count"),
        field<&Self::big>("big"),
        field<&Self::ratio>("ratio"),
        field<&Self::enabled>("enabled"),
        numericText<&Self::serial>("serial"),
        field<&Self::door>("door"),
        field<&Self::doorList>("doorList"),
        field<&Self::guidList>("guidList"),
        field<&Self::flags>("flags"),
    };
    return list;
}

const GroupParam::FieldList &GroupParam::fields()
{
    static const FieldList list{
        field<&Self::groupName>("name").length(128),
        field<&Self::scheduleGuid>("secheduleGuid").notEmpty(),
        field<&Self::phone>("phone").format("[0-9]{3,11}"),
        field<&Self::doorGuids>("doorGuids").listNotEmpty(),
    };
    return list;
}

const ObjectParam::FieldList &ObjectParam::fields()
{
    static const FieldList list{
        field<&Self::objectName>("objectName").length(64),
        field<&Self::objectNo>("objectNo"),
    };
    return list;
}

bool ObjectParam::check(std::string &error) const
{
    if (!checkFields(error))
        return false;
    if (objectNo <= 0) {
        error = "objectNo is not correct.";
        return false;
    }
    return true;
}

const Shared::FieldList &Shared::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
    };
    return list;
}

const Notice::FieldList &Notice::fields()
{
    static const FieldList list{
        field<&Self::authCode>("authCode"),
        field<&Self::door>("door"),
    };
    return list;
}

} // namespace testrecords
