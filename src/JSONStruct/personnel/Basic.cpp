#include <JSONStruct/personnel/Basic.h>

namespace protocol {
namespace personnelcommon {

const Basic::FieldList &Basic::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::orgGUID>("orgGUID"),
        field<&Self::name>("name"),
        field<&Self::gender>("gender"),
        field<&Self::sn>("sn"),
        optionalString<&Self::email>("email"),
        optionalString<&Self::phone>("phone"),
        field<&Self::effectiveTime>("effectiveTime"),
        field<&Self::expireTime>("expireTime"),
        field<&Self::amount>("amount"),
        field<&Self::recharge>("recharge"),
        field<&Self::remainingTimes>("remainingTimes"),
        field<&Self::times>("times"),
        optionalString<&Self::remark>("remark"),
    };
    return list;
}

} // namespace personnelcommon
} // namespace protocol
