#include <CommunicationLayer/RecordComm.h>

#include "BackendCall.h"

#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecordResponseData.h>

namespace commlayer {

using protocol::routes::RouteId;

bool RecordComm::getRecord(protocol::QueryVisitorRecordResultListData &result,
                           const protocol::QueryVisitorRecordCondition &condition)
{
    return detail::call(RouteId::GetVisitorRecords, &condition, &result);
}

bool RecordComm::getDownloadFailRecord(protocol::QueryVisitorRecordResultListData &result)
{
    return detail::call(RouteId::GetDownloadFailRecords, nullptr, &result);
}

bool RecordComm::getVisitorErrorRecord(protocol::VisitorErrorRecordResponseData &result,
                                       const std::string &recordId)
{
    return detail::call(RouteId::GetVisitorErrorRecords, nullptr, &result, recordId);
}

} // namespace commlayer
