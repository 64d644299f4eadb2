#include "VisitorRecordExport.h"

#include "VisitorRecordRules.h"

#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>

#include <CommunicationLayer/RecordComm.h>

#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <Base/Log.h>

#include <QFileInfo>
#include <QVector>

#include <future>
#include <memory>

namespace visitorclient {

namespace Rules = VisitorRecordRules;

namespace {

using PageAnswer = std::unique_ptr<protocol::QueryVisitorRecordResultListData>;

// A page query on a thread of its own; null when it failed.
std::future<PageAnswer> requestPage(const protocol::QueryVisitorRecordCondition &condition)
{
    return std::async(std::launch::async, [condition] {
        auto answer = std::make_unique<protocol::QueryVisitorRecordResultListData>();
        return commlayer::RecordComm::getRecord(*answer, condition) ? std::move(answer)
                                                                    : PageAnswer();
    });
}

} // namespace

RecordExportOutcome exportRecords(const QString &path,
                                  const protocol::QueryVisitorRecordCondition &stored,
                                  const RecordExportRange &range)
{
    const int pageSize = range.pageSize > 0 ? range.pageSize : Rules::kDefaultPageSize;
    int page = Rules::firstExportPage(range.currentPage);
    auto request = [&stored, pageSize](int pageNo) {
        return requestPage(Rules::exportCondition(stored, pageNo, pageSize));
    };
    // The next page is asked for while the current one is converted and written.
    std::future<PageAnswer> next;
    if (page <= range.totalPages)
        next = request(page);
    bool headerGiven = false;
    bool queryFailed = false;
    const QStringList header = Rules::exportHeader();
    const bool written = QorvaGUIToolkit::QXlsxMgr::WriteExcelRows(
        path, header.size(), [&](QVector<QStringList> &rows) {
            if (!headerGiven) {
                headerGiven = true;
                rows.append(header);
            }
            if (page > range.totalPages)
                return true;
            const PageAnswer answer = next.get();
            if (!answer) {
                LOG_WARN("getRecord failed while exporting page [%d].", page);
                queryFailed = true;
                return false;
            }
            if (++page <= range.totalPages)
                next = request(page);
            const auto &records = answer->queryVisitorRecordResultList.visitorRecordResultList;
            rows.reserve(rows.size() + static_cast<int>(records.size()));
            for (const auto &record : records)
                rows.append(Rules::exportRow(VisitorRecordData::fromResult(record)));
            return true;
        });
    if (queryFailed)
        return RecordExportOutcome::QueryFailed;
    return written ? RecordExportOutcome::Written : RecordExportOutcome::WriteFailed;
}

QString exportFilePath(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + QStringLiteral(".xlsx");
}

} // namespace visitorclient
