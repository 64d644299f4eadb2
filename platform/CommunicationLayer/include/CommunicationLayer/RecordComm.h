#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <string>

namespace protocol {
class QueryVisitorRecordResultListData;
class QueryVisitorRecordCondition;
class VisitorErrorRecordResponseData;
} // namespace protocol

namespace commlayer {

/// Visitor records. Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT RecordComm
{
public:
    static bool getRecord(protocol::QueryVisitorRecordResultListData &result,
                          const protocol::QueryVisitorRecordCondition &condition);
    /// Records whose permission download failed.
    static bool getDownloadFailRecord(protocol::QueryVisitorRecordResultListData &result);
    /// Per-device errors of one record; recordId: its 32-digit GUID (or decimal number).
    static bool getVisitorErrorRecord(protocol::VisitorErrorRecordResponseData &result,
                                      const std::string &recordId);
};

} // namespace commlayer
