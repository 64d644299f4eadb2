#pragma once
// What a request handler hands back to the dispatcher: an error code or the answer
// record, plus notifications and permission downloads to start after the commit.

#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/Routes/RouteErrors.h>

#include <cjson/cJSON.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qorvaserver {

struct Outbox
{
    std::vector<ServerNotification> notifications;
    std::vector<std::string> downloads; // visitor-record ids

    template <class Record>
    void notify(const Record &record)
    {
        protocol::JSONNodePtr node(record.toJSON());
        char *text = node ? cJSON_PrintUnformatted(node.get()) : nullptr;
        if (text == nullptr)
            return;
        notifications.push_back({record.name(), text});
        cJSON_free(text);
    }
};

struct HandlerResult
{
    std::uint32_t error = 0;
    std::shared_ptr<protocol::IReturnData> data;

    static HandlerResult fail(std::uint32_t code) { return HandlerResult{code, nullptr}; }
    static HandlerResult ok(std::shared_ptr<protocol::IReturnData> answer = nullptr)
    {
        return HandlerResult{0, std::move(answer)};
    }
};

} // namespace qorvaserver
