#pragma once
// Key with which an access device decrypts visitor QR codes.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class QRCodeEncryptionCfg : public JSONRecord<QRCodeEncryptionCfg, IInboundData>
{
public:
    explicit QRCodeEncryptionCfg(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "QRCodeEncryption"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string encryptType;
    std::string key;
    std::string vector;
};

} // namespace protocol
