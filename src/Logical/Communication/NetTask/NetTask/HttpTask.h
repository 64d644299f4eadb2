#pragma once
// An HTTP-shaped request of the framework for one of the component's URLs.

#include <Common/CommonMethod/NetTask.h>

#include <LPC_Client/LPCData.h>

#include <string>

namespace visitorclient {

class CHttpTask : public comm_method::CNetTask
{
public:
    /// Key: url followed by the header method, so equal requests never overlap.
    CHttpTask(const std::string &url, const std::string &method, const lpcclient::tag_LPCCallBackData &data);
    /// Hands the request to the command manager. Pool thread.
    void Exec();
    void run() override { Exec(); }

private:
    std::string m_url;
    lpcclient::tag_LPCCallBackData m_data;
};

} // namespace visitorclient
