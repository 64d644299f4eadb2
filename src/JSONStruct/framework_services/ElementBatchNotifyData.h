#pragma once
// Body of the notifications about many elements at once: "elementBatchRemoved",
// "resourceBatchRemoved", "elementBatchOnlineChanged" and "resourceBatchOnlineState"
// (all listed elements are now "online" or not).

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/ProtocolExport.h>

#include <string>
#include <vector>

namespace protocol {

class PROTOCOL_EXPORT ElementBatchNotifyData
    : public JSONRecord<ElementBatchNotifyData, IWebsocketData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit ElementBatchNotifyData(const char *notifyType = "elementBatchRemoved",
                                    const cJSON *node = nullptr)
        : m_type(notifyType)
    {
        fromJSON(node);
    }
    const char *name() const override { return m_type; }
    static const FieldList &fields();

    std::vector<std::string> guidList;
    bool online = false;

private:
    const char *m_type;
};

} // namespace protocol
