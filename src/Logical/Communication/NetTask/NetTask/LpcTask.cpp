#include "LpcTask.h"

#include <Logical/Communication/Cmd/CmdManager/CmdManager.h>

#include <JSONStruct/Routes/WireNames.h>

#include <Base/Log.h>

#include <cjson/cJSON.h>

#include <memory>

namespace visitorclient {

CLpcTask::CLpcTask(const std::string &method, const lpcclient::tag_LPCCallBackData &data)
    : comm_method::CNetTask(method, 60000), m_data(data)
{
}

std::string CLpcTask::bodyMethod(const std::string &body)
{
    // cJSON_GetErrorPtr is process-wide: parse with an explicit end pointer instead.
    const char *end = nullptr;
    std::unique_ptr<cJSON, void (*)(cJSON *)> root(cJSON_ParseWithOpts(body.c_str(), &end, 0), cJSON_Delete);
    if (!root)
        return std::string();
    const cJSON *method =
        cJSON_GetObjectItemCaseSensitive(root.get(), protocol::wire::key::kMethod);
    return cJSON_IsString(method) && method->valuestring ? std::string(method->valuestring) : std::string();
}

void CLpcTask::Exec()
{
    const std::string method = bodyMethod(m_data.body);
    if (method.empty()) {
        LOG_ERROR("Get LPC Method Error.");
        return;
    }
    CCmdManager::Instance().dispatchLpc(method, m_data);
    LOG_INFO("Get LPC Request.Method[%s]", method.c_str());
}

} // namespace visitorclient
