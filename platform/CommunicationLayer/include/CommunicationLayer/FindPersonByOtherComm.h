#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <string>

namespace protocol {
namespace personnelcommon {
class TotalData;
class QueryPerson;
} // namespace personnelcommon
} // namespace protocol

namespace commlayer {

/// Person search by GUID list or name. Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT FindPersonByOtherComm
{
public:
    /// query: extra URL query text ("key=value&..."), appended after "?" when not
    /// empty; the pages pass it empty.
    static bool request(protocol::personnelcommon::TotalData &result,
                        const protocol::personnelcommon::QueryPerson &param,
                        const std::string &query);
};

} // namespace commlayer
