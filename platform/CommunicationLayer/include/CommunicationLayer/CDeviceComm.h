#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class DeviceListData;
class QueryDeviceCondition;
} // namespace protocol

namespace commlayer {

/// The framework's devices with type and online state. Blocking; see
/// CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT CDeviceComm
{
public:
    static bool getDevices(protocol::DeviceListData &devices,
                           const protocol::QueryDeviceCondition &condition);
};

} // namespace commlayer
