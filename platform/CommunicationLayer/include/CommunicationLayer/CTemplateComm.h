#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class TemplateTestRspData;
class TemplateTest;
} // namespace protocol

namespace commlayer {

/// The server's template test (an echo). Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT CTemplateComm
{
public:
    static bool request(protocol::TemplateTestRspData &result, const protocol::TemplateTest &param);
};

} // namespace commlayer
