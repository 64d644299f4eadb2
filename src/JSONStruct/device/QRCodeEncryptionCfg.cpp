#include <JSONStruct/device/QRCodeEncryptionCfg.h>

namespace protocol {

const QRCodeEncryptionCfg::FieldList &QRCodeEncryptionCfg::fields()
{
    static const FieldList list{
        field<&Self::encryptType>("encryptType"),
        field<&Self::key>("key"),
        field<&Self::vector>("vector"),
    };
    return list;
}

} // namespace protocol
