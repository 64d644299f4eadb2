#include "VisitorRecordExport.h"

#include "VisitorRecordRules.h"

#include <UI/Window/Application/RunBeside.h>

#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>

#include <CommunicationLayer/RecordComm.h>

#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <Base/Log.h>

#include <QFileInfo>
#include <QVector>

#include <deque>
#include <future>

namespace visitorclient {

namespace Rules = VisitorRecordRules;

namespace {

// One page as export rows; ok is false when its query failed.
struct PageRows
{
    bool ok = false;
    QVector<QStringList> rows;
};

// Queries a page and turns it into export rows beside the writer, so that both the
// waiting for the server and the conversion overlap the writing of earlier pages.
std::future<PageRows> requestPage(const protocol::QueryVisitorRecordCondition &condition)
{
    return runBeside([condition] {
        PageRows page;
        protocol::QueryVisitorRecordResultListData answer;
        if (!commlayer::RecordComm::getRecord(answer, condition))
            return page;
        const auto &records = answer.queryVisitorRecordResultList.visitorRecordResultList;
        page.rows.reserve(static_cast<int>(records.size()));
        for (const auto &record : records)
            page.rows.append(Rules::exportRow(VisitorRecordData::fromResult(record)));
        page.ok = true;
        return page;
    });
}

} // namespace

RecordExportOutcome exportRecords(const QString &path,
                                  const protocol::QueryVisitorRecordCondition &stored,
                                  const RecordExportRange &range)
{
    const int pageSize = range.pageSize > 0 ? range.pageSize : Rules::kDefaultPageSize;
    int nextToAsk = Rules::firstExportPage(range.currentPage);
    int nextToWrite = nextToAsk;
    // Oldest page first; a page is taken off the front only when it is written.
    std::deque<std::future<PageRows>> inFlight;
    const auto askAhead = [&] {
        while (nextToAsk <= range.totalPages &&
               inFlight.size() < static_cast<std::size_t>(kExportPagesInFlight))
            inFlight.push_back(requestPage(Rules::exportCondition(stored, nextToAsk++, pageSize)));
    };
    askAhead();
    bool headerGiven = false;
    bool queryFailed = false;
    const QStringList header = Rules::exportHeader();
    const bool written = QorvaGUIToolkit::QXlsxMgr::WriteExcelRows(
        path, header.size(), [&](QVector<QStringList> &rows) {
            if (!headerGiven) {
                headerGiven = true;
                rows.append(header);
            }
            if (inFlight.empty())
                return true;
            PageRows page = inFlight.front().get();
            inFlight.pop_front();
            if (!page.ok) {
                LOG_WARN("getRecord failed while exporting page [%d].", nextToWrite);
                queryFailed = true;
                return false;
            }
            ++nextToWrite;
            askAhead();
            if (rows.isEmpty())
                rows = std::move(page.rows);
            else
                rows += page.rows;
            return true;
        });
    // Pages still in flight after a failure are waited for as inFlight goes.
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
