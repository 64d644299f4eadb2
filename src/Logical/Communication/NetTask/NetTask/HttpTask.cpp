#include "HttpTask.h"

#include <Logical/Communication/Cmd/CmdManager/CmdManager.h>

#include <Base/Log.h>

namespace visitorclient {

CHttpTask::CHttpTask(const std::string &url, const std::string &method, const lpcclient::tag_LPCCallBackData &data)
    : comm_method::CNetTask(url + method, 60000), m_url(url), m_data(data)
{
}

void CHttpTask::Exec()
{
    CCmdManager::Instance().dispatchHttp(m_url, m_data);
    LOG_INFO("Get Http Request.URL[%s]", m_url.c_str());
}

} // namespace visitorclient
