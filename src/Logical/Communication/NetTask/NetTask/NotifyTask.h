#pragma once
// A server notification forwarded by the framework, for the client-common notify center.

#include <Common/CommonMethod/InnerTask.h>

#include <LPC_Client/LPCData.h>

namespace visitorclient {

class CNotifyTask : public comm_method::CInnerTask
{
public:
    /// One thread for its work queue and no stealing: notifications run in arrival order.
    explicit CNotifyTask(const lpcclient::tag_LPCCallBackData &data);
    /// Parses the envelope and queues its data at the notify center. Pool thread.
    void Exec();
    void run() override { Exec(); }

private:
    lpcclient::tag_LPCCallBackData m_data;
};

} // namespace visitorclient
