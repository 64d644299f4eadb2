#pragma once
// An LPC method call of the framework; the body's envelope names the method.

#include <Common/CommonMethod/NetTask.h>

#include <LPC_Client/LPCData.h>

#include <string>

namespace visitorclient {

class CLpcTask : public comm_method::CNetTask
{
public:
    /// Key: the header method (only the framework's routing hint).
    CLpcTask(const std::string &method, const lpcclient::tag_LPCCallBackData &data);
    /// Reads "method" from the body and hands the call to the command manager. Pool thread.
    void Exec();
    void run() override { Exec(); }

    /// The body's string member "method"; empty when the body does not parse or lacks it.
    static std::string bodyMethod(const std::string &body);

private:
    lpcclient::tag_LPCCallBackData m_data;
};

} // namespace visitorclient
