#include <JSONStruct/device/CommonAcsAbility.h>

namespace protocol {

const CommonAcsAbility::FieldList &CommonAcsAbility::fields()
{
    static const FieldList list{
        field<&Self::deviceGuid>("deviceGuid"),
        field<&Self::supportQRCodeEncryption>("supportQRCodeEncryption"),
        field<&Self::encryptTypeList>("encryptTypeList"),
    };
    return list;
}

} // namespace protocol
