#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class DownloadPermissionInfo;
} // namespace protocol

namespace commlayer {

/// Asks the server to download the listed records' permissions again; the outcome
/// arrives later as "downloadPermission" notifications. Blocking; see
/// CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT DownloadPermissionComm
{
public:
    static bool downloadPermission(const protocol::DownloadPermissionInfo &info);
};

} // namespace commlayer
