#include <CommunicationLayer/DownloadPermissionComm.h>

#include "BackendCall.h"

#include <JSONStruct/visitorrecord/DownloadPermissionInfo.h>

namespace commlayer {

using protocol::routes::RouteId;

bool DownloadPermissionComm::downloadPermission(const protocol::DownloadPermissionInfo &info)
{
    return detail::call(RouteId::DownloadPermission, &info, nullptr);
}

} // namespace commlayer
