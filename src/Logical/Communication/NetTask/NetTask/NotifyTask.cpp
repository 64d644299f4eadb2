#include "NotifyTask.h"

#include <JSONStruct/Routes/WireNames.h>
#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>

#include <clientcommonlogical/NotifyCenterManager.h>

#include <Base/Log.h>

namespace visitorclient {

CNotifyTask::CNotifyTask(const lpcclient::tag_LPCCallBackData &data)
    : comm_method::CInnerTask(1, false, kDefaultQueueLimit, "CNotifyTask"), m_data(data)
{
}

void CNotifyTask::Exec()
{
    const auto it = m_data.headers.find(protocol::wire::kHeaderProtocol);
    const std::string protocolName = it == m_data.headers.end() ? std::string() : it->second;
    if (protocolName == protocol::wire::kProtocolWebsocket) {
        protocol::WebSocketNotifyData notify;
        if (notify.Parse(m_data.body)) {
            clientcommonlogical::CNotifyCenterManager::Instance().addNotify(notify.data);
            LOG_INFO("Add Notify Success.Type:[%s]", notify.type.c_str());
            return;
        }
    }
    LOG_ERROR("Notify Input Data Error.Protocol:[%s]", protocolName.c_str());
}

} // namespace visitorclient
