#pragma once
// Access-control capabilities of one device, as asked for by a list of capability names.
// Keys chosen here: "deviceGuid" (the device), "supportQRCodeEncryption" (true when the
// device accepts a QR-code key), "encryptTypeList" (the encryption types it accepts, e.g.
// "AES128_CBC").

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class CommonAcsAbility : public JSONRecord<CommonAcsAbility, IReturnData>
{
public:
    explicit CommonAcsAbility(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string deviceGuid;
    bool supportQRCodeEncryption = false;
    std::vector<std::string> encryptTypeList;
};

} // namespace protocol
