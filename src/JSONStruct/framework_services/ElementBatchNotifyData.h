#pragma once
// Body of the notifications about many elements at once: "elementBatchRemoved",
// "resourceBatchRemoved", "elementBatchOnlineChanged" and "resourceBatchOnlineState"
// (all listed elements are now "online" or not).

#include <JSONStruct/ProtocolExport.h>
#include <JSONStruct/framework_services/NamedNotifyRecord.h>

#include <string>
#include <vector>

namespace protocol {

class PROTOCOL_EXPORT ElementBatchNotifyData : public NamedNotifyRecord<ElementBatchNotifyData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit ElementBatchNotifyData(const char *notifyType = "elementBatchRemoved",
                                    const cJSON *node = nullptr)
        : NamedNotifyRecord(notifyType)
    {
        fromJSON(node);
    }
    static const FieldList &fields();

    std::vector<std::string> guidList;
    bool online = false;
};

} // namespace protocol
