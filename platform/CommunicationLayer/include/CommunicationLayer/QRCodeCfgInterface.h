#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <string>

namespace protocol {
class QRCodeEncryptionCfg;
} // namespace protocol

namespace commlayer {
namespace cfginterface {

/// Writes the QR-code encryption key of one device; deviceId: its 32-digit GUID (or
/// decimal number). Blocking; see CommunicationLayerInit.h (an offline device or one
/// that refuses fails with the server's code as last error).
COMMUNICATIONLAYER_EXPORT bool setQRCodeEncryptionCfg(const std::string &deviceId,
                                                      const protocol::QRCodeEncryptionCfg &config);

} // namespace cfginterface
} // namespace commlayer
